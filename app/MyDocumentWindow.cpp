// placeholder until the register window lands
#include "MyDocument.h"
void MyDocument::makeWindowControllers() { ensureRegister(); }
