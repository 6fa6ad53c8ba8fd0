#include "Value.h"

#include "NumberScan.h"

#include <atomic>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <new>
#include <ostream>
#include <string>

// A heap text, shared between copies of a value. Copies may end on another
// thread than the one that made them (a register read on one thread and
// reported on another), so the count is atomic.
struct Value::Block {
    std::atomic<int> ref;
    qsizetype size;
    // followed by size Latin-1 bytes or size UTF-16 units
    char *latin1() { return reinterpret_cast<char *>(this + 1); }
    char16_t *utf16() { return reinterpret_cast<char16_t *>(this + 1); }

    static Block *make(qsizetype size, qsizetype unitBytes)
    {
        void *mem = ::operator new(sizeof(Block) + size_t(size) * size_t(unitBytes));
        return new (mem) Block{{1}, size};
    }
};

Value::Block *Value::block() const { return load<Block *>(); }

void Value::retain() const noexcept { block()->ref.fetch_add(1, std::memory_order_relaxed); }

void Value::release() noexcept
{
    Block *b = block();
    if (b->ref.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        b->~Block();
        ::operator delete(b);
    }
}

Value &Value::operator=(const Value &other) noexcept
{
    if (this != &other) {
        Value copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Value Value::text(QLatin1StringView s)
{
    Value v;
    if (s.size() <= kInline) {
        if (s.size())
            std::memcpy(v.m_raw, s.data(), size_t(s.size()));
        v.setTag(Rep::InlineLatin1, int(s.size()));
    } else {
        Block *b = Block::make(s.size(), 1);
        std::memcpy(b->latin1(), s.data(), size_t(s.size()));
        v.store(b);
        v.setTag(Rep::HeapLatin1);
    }
    return v;
}

Value Value::text(QStringView s)
{
    bool latin1 = true;
    for (QChar c : s) {
        if (c.unicode() > 0xff) {
            latin1 = false;
            break;
        }
    }
    if (latin1) {
        if (s.size() <= kInline) {
            Value v;
            for (qsizetype i = 0; i < s.size(); ++i)
                v.m_raw[i] = static_cast<unsigned char>(s[i].unicode());
            v.setTag(Rep::InlineLatin1, int(s.size()));
            return v;
        }
        Block *b = Block::make(s.size(), 1);
        for (qsizetype i = 0; i < s.size(); ++i)
            b->latin1()[i] = char(s[i].unicode());
        Value v;
        v.store(b);
        v.setTag(Rep::HeapLatin1);
        return v;
    }
    Block *b = Block::make(s.size(), 2);
    std::memcpy(b->utf16(), s.utf16(), size_t(s.size()) * 2);
    Value v;
    v.store(b);
    v.setTag(Rep::HeapUtf16);
    return v;
}

Value Value::money(Cents cents)
{
    Value v;
    v.store(cents);
    v.setTag(Rep::Money);
    return v;
}

Value Value::int32(qint32 i)
{
    Value v;
    v.store(i);
    v.setTag(Rep::Int32);
    return v;
}

Value Value::real(double d)
{
    Value v;
    v.store(d);
    v.setTag(Rep::Real);
    return v;
}

Value Value::integer(qint64 i)
{
    Value v;
    v.store(i);
    v.setTag(Rep::Integer);
    return v;
}

Value::Kind Value::kind() const
{
    switch (rep()) {
    case Rep::None:
        return Kind::None;
    case Rep::InlineLatin1:
    case Rep::HeapLatin1:
    case Rep::HeapUtf16:
        return Kind::Text;
    case Rep::Money:
        return Kind::Money;
    case Rep::Int32:
        return Kind::Int32;
    case Rep::Real:
        return Kind::Real;
    case Rep::Integer:
        return Kind::Integer;
    }
    return Kind::None;
}

Cents Value::storedCents() const { return rep() == Rep::Money ? load<Cents>() : 0; }
double Value::storedReal() const { return rep() == Rep::Real ? load<double>() : 0; }

qint64 Value::storedInteger() const
{
    if (rep() == Rep::Integer)
        return load<qint64>();
    if (rep() == Rep::Int32)
        return load<qint32>();
    return 0;
}

QLatin1StringView Value::latin1View() const
{
    if (rep() == Rep::InlineLatin1)
        return QLatin1StringView(reinterpret_cast<const char *>(m_raw), inlineLength());
    Block *b = block();
    return QLatin1StringView(b->latin1(), b->size);
}

QLatin1StringView Value::latin1Text() const
{
    return rep() == Rep::InlineLatin1 || rep() == Rep::HeapLatin1 ? latin1View() : QLatin1StringView();
}

QStringView Value::utf16View() const
{
    Block *b = block();
    return QStringView(b->utf16(), b->size);
}

int Value::formatNumber(char *buf) const
{
    switch (rep()) {
    case Rep::Money:
        return writeShortestDecimal(buf, load<Cents>());
    case Rep::Int32:
        return int(std::to_chars(buf, buf + 40, load<qint32>()).ptr - buf);
    case Rep::Integer:
        return int(std::to_chars(buf, buf + 40, load<qint64>()).ptr - buf);
    case Rep::Real: {
        const double d = load<double>();
        if (std::isnan(d)) {
            std::memcpy(buf, "nan", 3);
            return 3;
        }
        return writeSixteenDigits(buf, d);
    }
    default:
        return 0;
    }
}

QString Value::toString() const
{
    return visitText([](auto view) { return view.toString(); });
}

qsizetype Value::textLength() const
{
    return visitText([](auto view) { return view.size(); });
}

namespace {

template <typename View>
double leadingDouble(View text)
{
    return scannedDouble(scanLeadingDecimal(text.data(), text.data() + text.size()), text.data());
}

template <typename View>
int leadingInt(View text)
{
    const auto *p = text.data();
    const auto *last = p + text.size();
    while (p != last && scanIsSpace(scanUnit(*p)))
        ++p;
    bool negative = false;
    if (p != last && (scanUnit(*p) == u'-' || scanUnit(*p) == u'+')) {
        negative = scanUnit(*p) == u'-';
        ++p;
    }
    long long v = 0;
    for (; p != last && scanUnit(*p) >= u'0' && scanUnit(*p) <= u'9'; ++p) {
        if (v <= INT_MAX)
            v = v * 10 + (scanUnit(*p) - u'0');
    }
    if (negative)
        v = -v;
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return int(v);
}

int clampToInt(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 2147483647.0)
        return INT_MAX;
    if (d <= -2147483648.0)
        return INT_MIN;
    return int(d);
}

int clampToInt(long long v)
{
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : int(v);
}

} // namespace

double Value::doubleValue() const
{
    switch (rep()) {
    case Rep::None:
        return 0;
    case Rep::Money:
        return double(load<Cents>()) / 100.0;
    case Rep::Int32:
        return load<qint32>();
    case Rep::Real:
        return load<double>();
    case Rep::Integer:
        return double(load<qint64>());
    default:
        return visitText([](auto view) { return leadingDouble(view); });
    }
}

int Value::intValue() const
{
    switch (rep()) {
    case Rep::None:
        return 0;
    case Rep::Money:
        return clampToInt(static_cast<long long>(load<Cents>() / 100));
    case Rep::Int32:
        return load<qint32>();
    case Rep::Real:
        return clampToInt(load<double>());
    case Rep::Integer:
        return clampToInt(static_cast<long long>(load<qint64>()));
    default:
        return visitText([](auto view) { return leadingInt(view); });
    }
}

CentsReading Value::cents() const
{
    switch (rep()) {
    case Rep::None:
        return {NumberStatus::NotANumber, 0};
    case Rep::Money:
        return {NumberStatus::Ok, load<Cents>()};
    case Rep::Int32:
        return {NumberStatus::Ok, Cents(load<qint32>()) * 100};
    case Rep::Integer: {
        const qint64 v = load<qint64>();
        if (v > kMaxCents / 100 || v < -kMaxCents / 100)
            return {NumberStatus::OutOfRange, v < 0 ? -kMaxCents : kMaxCents};
        return {NumberStatus::Ok, v * 100};
    }
    case Rep::Real: {
        const double d = load<double>();
        if (auto c = centsFromDouble(d))
            return {NumberStatus::Ok, *c};
        return {NumberStatus::OutOfRange, std::isnan(d) ? 0 : d < 0 ? -kMaxCents : kMaxCents};
    }
    default:
        return visitText([](auto view) { return leadingCents(view); });
    }
}

bool Value::operator==(const Value &other) const
{
    if (kind() != other.kind())
        return false;
    switch (kind()) {
    case Kind::None:
        return true;
    case Kind::Text:
        return visitText([&](auto a) { return other.visitText([&](auto b) { return a == b; }); });
    case Kind::Real:
        return std::memcmp(m_raw, other.m_raw, 8) == 0;
    default:
        return storedInteger() == other.storedInteger() && storedCents() == other.storedCents();
    }
}

void PrintTo(const Value &v, std::ostream *os)
{
    static const char *const names[] = {"None", "Text", "Money", "Int32", "Real", "Integer"};
    *os << names[int(v.kind())] << "(" << v.toString().toStdString() << ")";
}
