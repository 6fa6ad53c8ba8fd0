#include "Find.h"

namespace {

constexpr Key kSearchedKeys[] = {Key::CheckNumber, Key::DescriptionofTransaction, Key::Date, Key::Amount,
                                 Key::Total};

} // namespace

bool recordContains(const Record &record, QStringView text)
{
    if (text.isEmpty())
        return false;
    for (Key key : kSearchedKeys) {
        const Value &value = record.value(key);
        if (value.isNull())
            continue;
        // The text form is viewed in place (numbers are formatted on the
        // stack), so a search through a large register allocates nothing.
        if (value.visitText([&](auto form) { return form.contains(text, Qt::CaseInsensitive); }))
            return true;
    }
    return false;
}

int findRow(const Register &reg, int selectedRow, QStringView text)
{
    if (text.isEmpty())
        return -1;
    const int count = reg.count();
    // A selection left over from a longer register is not a row to start from.
    const int selected = selectedRow >= 0 && selectedRow < count ? selectedRow : -1;
    for (int row = selected + 1; row < count; ++row) {
        if (recordContains(reg[row], text))
            return row;
    }
    for (int row = 0; row < selected; ++row) {
        if (recordContains(reg[row], text))
            return row;
    }
    return -1;
}
