#pragma once

// Which characters may make up the name of an XML element: the classes of
// the XML 1.0 (second edition) appendix B, by which the names in register
// files have always been checked. Characters beyond the basic plane never
// qualify (they were checked half a surrogate pair at a time).

namespace registerfile {

// May begin a name: a letter, or "_".
bool isXmlNameStart(char32_t c);
// May stand in a name without a namespace prefix: letters, digits, ".",
// "-", "_", combining characters and extenders (not ":").
bool isXmlNameChar(char32_t c);

} // namespace registerfile
