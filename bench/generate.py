#!/usr/bin/env python3
"""Generates realistic test data for the benchmarks.

  generate.py register N OUT.ldgr [--xml] [--categories] [--schedules K]
                                            a register of N rows; with --categories every
                                            transaction has a category, and each Costco
                                            check is split between groceries and household;
                                            with K scheduled transactions on its opening row,
                                            due from about today
  generate.py statement N OUT.csv           a bank statement of N lines
  generate.py journal N OUT.journal         the register's transactions as a ledger journal

The same seed gives the same transactions in every form, so the peers read
what Cheqbook reads.
"""
import datetime
import random
import re
import sys

PAYEES = ["Hy-Vee", "Aldi", "Dillons", "QuikTrip #112", "Shell Oil 5730", "Chipotle", "Panera Bread",
          "Starbucks", "Walgreens", "CVS/Pharmacy #2231", "Amazon.com", "Target", "Home Depot #1812",
          "Evergy - electric", "Spectrum Internet", "Verizon Wireless", "City of Lawrence - water & sewer",
          "State Farm Insurance", "Capital One Auto Finance", "Maple Court Apartments - rent",
          "Netflix.com", "Dr. Patel Pediatrics", "Lincoln Elementary PTA", "ATM Withdrawal",
          "Transfer to Savings", "Costco Whse #0367", "Lowe's #1120", "Free State Brewing",
          "Papa Keno's Pizza", "Jiffy Lube", "USPS", "Kansas Gas Service"]
CATEGORIES = {
    "Hy-Vee": "Food:Groceries", "Aldi": "Food:Groceries", "Dillons": "Food:Groceries",
    "QuikTrip #112": "Auto:Fuel", "Shell Oil 5730": "Auto:Fuel", "Chipotle": "Food:Restaurants",
    "Panera Bread": "Food:Restaurants", "Starbucks": "Food:Coffee", "Walgreens": "Health:Pharmacy",
    "CVS/Pharmacy #2231": "Health:Pharmacy", "Amazon.com": "Shopping", "Target": "Shopping",
    "Home Depot #1812": "Home:Improvement", "Evergy - electric": "Home:Utilities",
    "Spectrum Internet": "Home:Utilities", "Verizon Wireless": "Home:Phone",
    "City of Lawrence - water & sewer": "Home:Utilities", "State Farm Insurance": "Insurance",
    "Capital One Auto Finance": "Auto:Loan", "Maple Court Apartments - rent": "Home:Rent",
    "Netflix.com": "Entertainment:Streaming", "Dr. Patel Pediatrics": "Health:Doctor",
    "Lincoln Elementary PTA": "Kids:School", "ATM Withdrawal": "Cash", "Transfer to Savings": "Transfers",
    "Costco Whse #0367": "Food:Groceries", "Lowe's #1120": "Home:Improvement",
    "Free State Brewing": "Food:Restaurants", "Papa Keno's Pizza": "Food:Restaurants",
    "Jiffy Lube": "Auto:Service", "USPS": "Shipping", "Kansas Gas Service": "Home:Utilities",
    "Paycheck - Northwind Logistics": "Income:Salary",
}
SPLIT_PAYEE = "Costco Whse #0367"
CHECK_PAYEES = {"Maple Court Apartments - rent", "City of Lawrence - water & sewer", "Dr. Patel Pediatrics",
                "Lincoln Elementary PTA", "State Farm Insurance"}


def transactions(n, seed=1):
    rng = random.Random(seed)
    day = datetime.date(1990, 1, 1)
    check = 1000
    yield day, "", "Opening Balance", 250000
    for i in range(1, n):
        if rng.random() < 0.3:
            day += datetime.timedelta(days=1)
        if rng.random() < 0.07:
            yield day, "", "Paycheck - Northwind Logistics", rng.randint(180000, 260000)
            continue
        payee = rng.choice(PAYEES)
        number = ""
        if payee in CHECK_PAYEES:
            check += 1
            number = str(check)
        yield day, number, payee, -rng.randint(199, 25000)


def money(c):
    return "%s%d.%02d" % ("-" if c < 0 else "", abs(c) // 100, abs(c) % 100)


BARE = re.compile(r"^[A-Za-z0-9_$/:.-]+$")


def text(s):
    if s and BARE.match(s):
        return s
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t").replace("\n", "\\n") + '"'


def xml_escape(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def categorised(i, payee, cents):
    """The category fields of a row: none for the opening row, a split of the
    Costco checks (groceries and the rest household), a category otherwise."""
    if i == 0:
        return []
    if payee == SPLIT_PAYEE:
        food = cents // 2
        return [("Splits", "%s\tFood:Groceries\t\n%s\tHousehold\tpaper goods" % (money(food), money(cents - food)))]
    return [("Category", CATEGORIES[payee])]


WEEKDAYS = ["mon", "tue", "wed", "thu", "fri", "sat", "sun"]


def schedules_text(k):
    """K schedules of every kind, each dealt with through yesterday, as the opening row keeps them."""
    today = datetime.date.today()
    done = today - datetime.timedelta(days=1)
    lines = []
    for i in range(k):
        payee = PAYEES[i % len(PAYEES)].replace("%", "%25").replace(";", "%3B").replace("=", "%3D")
        start = today - datetime.timedelta(days=400 + i)
        kind = i % 6
        fields = ["id=%d" % (i + 1), "desc=%s #%d" % (payee, i + 1), "amount=%s" % money(-(1000 + 37 * i))]
        if kind == 0:
            fields += ["every=1 month", "on=%d" % (1 + i % 31)]
        elif kind == 1:
            fields += ["every=2 week"]
        elif kind == 2:
            fields += ["every=1 month", "on=last", "estimate=10"]
        elif kind == 3:
            fields += ["every=1 week", "weekend=after"]
        elif kind == 4:
            fields += ["every=1 month", "on=%d %s" % (1 + i % 4, WEEKDAYS[i % 7]), "weekend=before"]
        else:
            fields += ["every=1 year"]
        fields += ["start=%s" % start.isoformat(), "done=%s" % done.isoformat()]
        lines.append(";".join(fields))
    return "\n".join(lines)


def write_register(n, out, xml, categories=False, schedules=0):
    total = 0
    if xml:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0">\n<array>\n')
    else:
        out.write("(\n")
    for i, (day, check, payee, cents) in enumerate(transactions(n)):
        total += cents
        fields = [("Amount", money(cents)), ("CheckNumber", check), ("Date", day.strftime("%m/%d/%Y")),
                  ("DescriptionofTransaction", payee), ("Total", money(total))]
        if categories:
            fields = sorted(fields + categorised(i, payee, cents))
        if i == 0 and schedules:
            fields[4:4] = [("Reserve", "100.00"), ("Schedules", schedules_text(schedules))]
        if xml:
            out.write("\t<dict>\n" + "".join("\t\t<key>%s</key>\n\t\t<string>%s</string>\n" % (k, xml_escape(v))
                                             for k, v in fields) + "\t</dict>\n")
        else:
            body = "".join("%s = %s; " % (k, text(v)) for k, v in fields)
            out.write("    {%s}%s\n" % (body, "," if i + 1 < n else ""))
    out.write("</array>\n</plist>\n" if xml else ")\n")


def write_statement(n, out):
    for day, check, payee, cents in transactions(n, seed=2):
        desc = payee.replace('"', '""')
        out.write('%s,%s,*,%s,"%s"\n' % (day.strftime("%m/%d/%Y"), money(cents), check, desc))


def write_journal(n, out):
    for day, check, payee, cents in transactions(n):
        code = " (%s)" % check if check else ""
        out.write("%s%s %s\n    Assets:Checking  $%s\n    Expenses:Misc\n\n" % (
            day.strftime("%Y-%m-%d"), code, payee.replace(";", ","), money(cents)))


def main():
    kind, n, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    with open(path, "w", newline="") as out:
        if kind == "register":
            extra = sys.argv[4:]
            k = int(extra[extra.index("--schedules") + 1]) if "--schedules" in extra else 0
            write_register(n, out, "--xml" in extra, "--categories" in extra, k)
        elif kind == "statement":
            write_statement(n, out)
        elif kind == "journal":
            write_journal(n, out)
        else:
            sys.exit("unknown kind " + kind)


if __name__ == "__main__":
    main()
