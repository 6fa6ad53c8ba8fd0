// One libFuzzer target: CHEQBOOK_FUZZ_CHECK names the function of
// ReaderInvariants.h or ImportInvariants.h that it runs on every input (see CMakeLists.txt).

#include "ImportInvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString failure = CHEQBOOK_FUZZ_CHECK(bytes);
    if (!failure.isEmpty()) {
        // Abort, so that libFuzzer keeps the input.
        std::fprintf(stderr, "\n*** invariant broken: %s\n", failure.toUtf8().constData());
        std::abort();
    }
    return 0;
}
