#include "ReopenList.h"

#include "Value.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
const QString kEnabledKey = u"reopenRegisters"_s;
const QString kRegistersKey = u"registersOpenAtQuit"_s;
} // namespace

bool reopen::enabled() { return Value::text(QSettings().value(kEnabledKey).toString()).intValue() == 1; }

void reopen::setEnabled(bool on) { QSettings().setValue(kEnabledKey, on ? u"1"_s : u"0"_s); }

QStringList reopen::registers() { return QSettings().value(kRegistersKey).toStringList(); }

void reopen::setRegisters(const QStringList &files) { QSettings().setValue(kRegistersKey, files); }
