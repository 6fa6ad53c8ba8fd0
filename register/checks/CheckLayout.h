#pragma once

// Where things go on a sheet of check stock, read from a layout file: a
// readable text a person can copy and change. Every length is kept in
// points (1/72 inch) from the top left corner of what holds it.
//
//   # A voucher check on top of a US Letter sheet, two stubs below it.
//   name     Voucher check on top
//   paper    letter                 # letter, legal, a4, or WIDTH HEIGHT
//   units    in                     # in, mm or pt: for numbers without a unit
//   font     "DejaVu Sans" 10       # the family and size of every field
//   place    0 0                    # where a check's place begins on the sheet;
//                                   # one line for each check on a sheet
//   face     0 0 8.5 3.5            # the check within its place: x y width height
//   stub     0 3.5 8.5 3.75         # a voucher stub within the place (none or more)
//   date     6.6 0.6 1.5            # a field of the check: x y width, from the
//   payee    1.0 1.25 5.3 size 11   #   face's corner, then its options:
//   amount   6.9 1.25 1.4 bold      #   size POINTS, font FAMILY, bold,
//   words    0.3 1.65 6.9           #   left, right or center, lines N
//   stub payee 3.0 0.5 3.5          # a field of every stub, from the stub's corner
//
// Fields: date, payee, amount (in figures), words (the amount in words),
// memo, address (the payee's address), number (the check number) and
// splits (the split lines). A length is a number with in, mm or pt after it,
// or without one in the units last named (inches at first). A field's box
// is as high as its lines at its size (1.2 times the size each), and must
// lie within its face or stub; faces and stubs must lie on the paper.

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

enum class CheckField { Date, Payee, Amount, Words, Memo, Address, Number, Splits };
inline constexpr int kCheckFieldCount = 8;

// The name a layout file gives the field ("payee"), and the field of a name.
QString checkFieldName(CheckField field);
std::optional<CheckField> checkFieldNamed(QStringView name);

enum class FieldAlignment { Left, Right, Center };

struct FieldPlace {
    QPointF at;             // the box's top left corner, from its face's or stub's
    qreal width = 0;
    qreal pointSize = 10;
    QString family;         // the layout's font when empty
    bool bold = false;
    FieldAlignment alignment = FieldAlignment::Left;
    int lines = 1;
    int line = 0;           // the layout file's line that placed it

    qreal lineHeight() const { return pointSize * 1.2; }
    QRectF box() const { return {at, QSizeF(width, lineHeight() * lines)}; }
};

struct CheckLayout {
    QString name;           // as the layout calls itself
    QSizeF paper;           // points
    QString family;
    qreal pointSize = 10;
    std::vector<QPointF> places; // one for each check on a sheet, in printing order
    QRectF face;            // within a place
    std::vector<QRectF> stubs; // within a place
    std::array<std::optional<FieldPlace>, kCheckFieldCount> faceFields;
    std::array<std::optional<FieldPlace>, kCheckFieldCount> stubFields;

    int checksPerSheet() const { return int(places.size()); }
    const std::optional<FieldPlace> &faceField(CheckField f) const { return faceFields[size_t(f)]; }
    const std::optional<FieldPlace> &stubField(CheckField f) const { return stubFields[size_t(f)]; }
    QString familyOf(const FieldPlace &field) const { return field.family.isEmpty() ? family : field.family; }
};

struct CheckLayoutReading {
    std::optional<CheckLayout> layout;
    // "mine.layout:12: ..." naming the file as given, the line and what is
    // wrong with it; empty when the layout was read.
    QString error;
};

// Reads a layout file's text. fileName names it in errors; the layout is
// called by fileName's base name when it names itself nothing.
CheckLayoutReading readCheckLayout(const QByteArray &text, const QString &fileName);
// Reads the layout file at path, which must be a plain file of at most 256 KiB.
CheckLayoutReading readCheckLayoutFile(const QString &path);

// A length as layouts and offsets write it, in points: "6.75in", "20mm",
// "12pt", or a number alone in the unit given. Nothing for anything else.
enum class LengthUnit { Inch, Millimetre, Point };
std::optional<qreal> readLength(QStringView text, std::optional<LengthUnit> bareUnit);
// The length in the unit, as a layout writes it ("0.25in", "6.4mm").
QString writtenLength(qreal points, LengthUnit unit);
