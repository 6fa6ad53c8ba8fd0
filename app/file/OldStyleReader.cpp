#include "OldStyleParser.h"

#include <cstring>
#include <functional>
#include <thread>

namespace registerfile {
namespace {

// Where a record seems to begin, at or after from: a "{" first on its line.
// Only a guess (a quoted text or a comment may hold such a line): the reader
// from the start confirms it by coming to it between two records.
const char *recordStartAfter(const char *from, const char *last)
{
    while ((from = static_cast<const char *>(std::memchr(from, '\n', size_t(last - from))))) {
        ++from;
        while (from != last && (*from == ' ' || *from == '\t'))
            ++from;
        if (from != last && *from == '{')
            return from;
    }
    return nullptr;
}

} // namespace

void parseOldStyle(const char *first, const char *last, const std::function<void(const char *, const char *)> &release,
                   const std::function<void(RecordPtr)> &each)
{
    RecordBuilder builder(each);
    OldStyleParser(builder, first, last, release).parse();
}

std::vector<RecordPtr> parseOldStyle(const char *first, const char *last)
{
    std::vector<RecordPtr> rows;
    parseOldStyle(first, last, {}, [&](RecordPtr r) { rows.push_back(std::move(r)); });
    return rows;
}

void parseOldStyleShown(const char *first, const char *last,
                        const std::function<void(const char *, const char *)> &release,
                        const std::function<void(ShownRow &&)> &each)
{
    ShownRowBuilder builder(each);
    OldStyleParser(builder, first, last, release).parse();
}

void parseOldStyleShownInTwo(const char *first, const char *last,
                             const std::function<void(const char *, const char *)> &release, const ShownRowsInTwo &two)
{
    // Below this a thread costs more than it saves.
    constexpr std::ptrdiff_t kLeast = std::ptrdiff_t(1) << 20;
    ShownRowBuilder headRows(two.first);
    OldStyleParser head(headRows, first, last, release);
    const char *middle = last - first >= kLeast ? recordStartAfter(first + (last - first) / 2, last) : nullptr;
    if (!middle) {
        head.parse();
        return;
    }
    std::atomic<bool> abandoned = false;
    // Written once, at its end, by the thread that reads the tail: what the
    // two threads write as they go is kept on each one's own stack, never in
    // one cache line.
    struct TailEnd {
        bool read = false;
        bool sawNonAscii = false;
    } tailEnd;
    std::thread tailReader([&] {
        ShownRowBuilder tailRows(two.second);
        OldStyleParser tail(tailRows, first, last, release);
        tail.startAt(middle, &abandoned);
        try {
            tail.records(nullptr);
            tailEnd = {true, tail.sawNonAscii()};
        } catch (...) {
            // Read again from the start's side, where its fault is the file's.
        }
    });
    bool cameToMiddle = false;
    try {
        head.open();
        cameToMiddle = head.records(middle);
    } catch (...) {
        abandoned = true;
        tailReader.join();
        throw;
    }
    // Not come to it, the head has read every row itself.
    abandoned = !cameToMiddle;
    tailReader.join();
    if (!cameToMiddle)
        return;
    if (tailEnd.read && two.takeSecond()) {
        head.finishAfter(tailEnd.sawNonAscii);
        return;
    }
    head.records(nullptr);
}

} // namespace registerfile
