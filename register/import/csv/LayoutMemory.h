#pragma once

// The CSV layout a person settled for a bank, remembered by the header of
// the bank's files, so that the next file from that bank needs no choices.
// Kept in the per-user settings.

#include "CsvLayout.h"

#include <QString>

#include <optional>

class QSettings;

class LayoutMemory
{
public:
    explicit LayoutMemory(QSettings &settings) : m_settings(settings) {}

    // The layout remembered for files with this header, if any.
    std::optional<CsvLayout> layoutFor(const QString &headerKey) const;
    void remember(const QString &headerKey, const CsvLayout &layout);

private:
    QSettings &m_settings;
};

// The layout as one line of text, and back; nothing for a text that is not
// a layout or names a column the header does not have.
QString layoutText(const CsvLayout &layout);
std::optional<CsvLayout> layoutFromText(QStringView text);
