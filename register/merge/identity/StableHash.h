#pragma once

// A 64-bit hash of bytes that every computer computes alike, whatever its
// processor or library: what names a version of a register and makes a row's
// identity, both of which two computers must agree on. Fast (8 bytes a step),
// and not meant to stand up to someone who crafts a collision on purpose:
// whoever can write the register's folder can change the register itself.

#include <QByteArrayView>
#include <QStringView>

#include <cstdint>
#include <cstring>

class StableHash
{
public:
    explicit StableHash(quint64 seed = 0) : m_h(seed ^ kOffset) {}

    StableHash &add(QByteArrayView bytes)
    {
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
        qsizetype n = bytes.size();
        for (; n >= 8; p += 8, n -= 8)
            mixIn(load64(p));
        quint64 tail = 0;
        for (qsizetype i = 0; i < n; ++i)
            tail |= quint64(p[i]) << (8 * i);
        // The length sets apart "ab" + "c" from "a" + "bc".
        mixIn(tail ^ (quint64(n) << 59));
        return *this;
    }
    // Bytes in pieces, hashed as add() hashes them whole: every piece but the
    // last a multiple of 8 bytes long.
    StableHash &addPiece(QByteArrayView piece, bool last)
    {
        if (last)
            return add(piece);
        Q_ASSERT(piece.size() % 8 == 0);
        const auto *p = reinterpret_cast<const unsigned char *>(piece.data());
        for (qsizetype n = piece.size(); n >= 8; p += 8, n -= 8)
            mixIn(load64(p));
        return *this;
    }
    // A text as its 16-bit units, the same for a Latin-1 and a UTF-16 text.
    StableHash &add(QStringView text) { return addUnits(text, [](QChar c) { return c.unicode(); }); }
    StableHash &add(QLatin1StringView text) { return addUnits(text, [](char c) { return uchar(c); }); }
    StableHash &add(quint64 number)
    {
        mixIn(number);
        return *this;
    }

    quint64 value() const { return finish(m_h); }

    static quint64 of(QByteArrayView bytes) { return StableHash().add(bytes).value(); }

private:
    template <typename Text, typename Unit>
    StableHash &addUnits(Text text, Unit unit)
    {
        quint64 word = 0;
        int in = 0;
        for (auto c : text) {
            word |= quint64(unit(c)) << (16 * in);
            if (++in == 4) {
                mixIn(word);
                word = 0;
                in = 0;
            }
        }
        mixIn(word ^ (quint64(in) << 59) ^ 0x5555);
        return *this;
    }

    static constexpr quint64 kOffset = 0x243f6a8885a308d3ull;
    static constexpr quint64 kMultiplier = 0x9e3779b97f4a7c15ull;

    static quint64 load64(const unsigned char *p)
    {
        // Little-endian whatever the processor's order.
        quint64 v = 0;
        for (int i = 7; i >= 0; --i)
            v = (v << 8) | p[i];
        return v;
    }
    void mixIn(quint64 w)
    {
        m_h ^= w * kMultiplier;
        m_h = (m_h << 31) | (m_h >> 33);
        m_h *= 0xc2b2ae3d27d4eb4full;
    }
    static quint64 finish(quint64 h)
    {
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdull;
        h ^= h >> 33;
        h *= 0xc4ceb9fe1a85ec53ull;
        h ^= h >> 33;
        return h;
    }

    quint64 m_h;
};
