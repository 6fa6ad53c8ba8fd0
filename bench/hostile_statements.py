#!/usr/bin/env python3
"""Writes the statements an attacker or a broken bank would hand Cheqbook, to
try the import's bounds, progress and Cancel on (never committed: they are
large).

  hostile_statements.py KIND OUT [N]

  nested        an OFX statement with N aggregates nested in one another (200,000)
  unclosed      an OFX statement with N transactions whose aggregate is never closed (200,000)
  transactions  an OFX statement with N ordinary transactions (200,000)
  memo          an OFX statement with one transaction whose memo is N bytes (10,000,000)
  single-line   an OFX statement of N transactions written on one line, as some banks do (20,000)
  lines         a CSV statement of N lines (1,000,000)
  line          a CSV statement of one line N bytes long (100,000,000)

N picks the size, so that a file just inside a bound can be made as well.
"""
import sys

HEADER = """OFXHEADER:100
DATA:OFXSGML
VERSION:102
SECURITY:NONE
ENCODING:USASCII
CHARSET:1252
COMPRESSION:NONE
OLDFILEUID:NONE
NEWFILEUID:NONE

<OFX>
<SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS><DTSERVER>20261207083015<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1>
<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>
<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>101000019<ACCTID>000012345678<ACCTTYPE>CHECKING</BANKACCTFROM>
<BANKTRANLIST><DTSTART>20260101<DTEND>20261231
"""
FOOTER = """</BANKTRANLIST>
<LEDGERBAL><BALAMT>3412.19<DTASOF>20261231</LEDGERBAL>
</STMTRS></STMTTRNRS></BANKMSGSRSV1>
</OFX>
"""
DEFAULTS = {"nested": 200_000, "unclosed": 200_000, "transactions": 200_000, "memo": 10_000_000,
            "single-line": 20_000, "lines": 1_000_000, "line": 100_000_000}


def transaction(i, memo="POS PURCHASE LAWRENCE KS", close=True):
    day = 1 + i % 28
    month = 1 + (i // 28) % 12
    return ("<STMTTRN>\n<TRNTYPE>POS\n<DTPOSTED>2026%02d%02d\n<TRNAMT>-%d.%02d\n<FITID>%d\n<NAME>HY-VEE #%d\n"
            "<MEMO>%s\n%s" % (month, day, 1 + i % 500, i % 100, i, i % 9000, memo, "</STMTTRN>\n" if close else ""))


def write(kind, out, n):
    if kind == "nested":
        out.write(HEADER + transaction(0) + "<X>" * n + "</X>" * n + "\n" + FOOTER)
    elif kind == "unclosed":
        out.write(HEADER)
        for i in range(n):
            out.write(transaction(i, close=False))
        out.write(FOOTER)
    elif kind == "transactions":
        out.write(HEADER)
        for i in range(n):
            out.write(transaction(i))
        out.write(FOOTER)
    elif kind == "memo":
        out.write(HEADER + transaction(0, memo="M" * n) + FOOTER)
    elif kind == "single-line":
        body = "".join(transaction(i) for i in range(n)) + FOOTER
        out.write(HEADER + body.replace("\n", ""))
    elif kind == "lines":
        for i in range(n):
            out.write("%02d/%02d/2026,-%d.%02d,*,,HY-VEE #%d\n" % (1 + (i // 28) % 12, 1 + i % 28, 1 + i % 500,
                                                                  i % 100, i))
    elif kind == "line":
        prefix = "12/01/2026,-5.00,*,,"
        out.write(prefix + "D" * (n - len(prefix)))
    else:
        sys.exit("unknown kind %s: one of %s" % (kind, ", ".join(DEFAULTS)))


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    kind, path = sys.argv[1], sys.argv[2]
    n = int(sys.argv[3]) if len(sys.argv) == 4 else DEFAULTS.get(kind, 0)
    with open(path, "w", encoding="ascii", newline="") as out:
        write(kind, out, n)


if __name__ == "__main__":
    main()
