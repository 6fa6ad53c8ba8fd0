#!/usr/bin/env python3
"""Writes household.ldgr: a year of a household's checking account.

The register is made up but shaped like a real one: an opening balance,
paychecks every other Friday, rent and bills by check, card payments for
groceries and fuel, and the months up to October balanced against the bank's
statements. Run it again to get the same file.
"""
import datetime
import random
import re
import sys

rng = random.Random(2026)
rows = []  # (date, check, description, cents, reconciled)


def add(day, description, cents, check=""):
    rows.append([day, check, description, cents])


start = datetime.date(2026, 1, 1)
add(start, "Opening Balance", 281437)

next_check = 1041
day = datetime.date(2026, 1, 9)
while day.year == 2026:
    add(day, "Paycheck - Northwind Logistics", 214682)
    day += datetime.timedelta(days=14)

for month in range(1, 13):
    first = datetime.date(2026, month, 1)

    def on(d):
        return first.replace(day=d)

    add(on(1), "Maple Court Apartments - rent", -145000, str(next_check)); next_check += 1
    add(on(3), "Transfer to Savings", -20000)
    add(on(5), "Evergy - electric", -rng.randint(6500, 18500))
    add(on(8), "Spectrum Internet", -7999)
    add(on(12), "Verizon Wireless", -11842)
    add(on(15), "Capital One Auto Finance", -38716)
    add(on(18), "City of Lawrence - water & sewer", -rng.randint(4200, 7900), str(next_check)); next_check += 1
    if month % 6 == 1:
        add(on(20), "State Farm Insurance - 6 months", -68400, str(next_check)); next_check += 1
    add(on(28), "Interest Earned", rng.randint(21, 64))
    for week in range(4):
        d = on(2 + week * 7)
        add(d + datetime.timedelta(days=rng.randint(0, 2)), rng.choice(["Hy-Vee", "Aldi", "Dillons"]),
            -rng.randint(4800, 16500))
        if rng.random() < 0.8:
            add(d + datetime.timedelta(days=rng.randint(3, 5)), "QuikTrip #" + str(rng.choice([112, 147, 203])),
                -rng.randint(2800, 5600))
        if rng.random() < 0.5:
            add(d + datetime.timedelta(days=rng.randint(1, 6)), rng.choice(
                ["Chipotle", "Panera Bread", "Free State Brewing", "Starbucks", "Papa Keno's Pizza"]),
                -rng.randint(900, 6400))
    if rng.random() < 0.6:
        add(on(rng.randint(10, 25)), "Walgreens", -rng.randint(1200, 5400))
    if rng.random() < 0.5:
        add(on(rng.randint(10, 25)), "ATM Withdrawal", -rng.choice([4000, 6000, 10000]))
    if month in (2, 5, 8, 11):
        add(on(14), "Dr. Patel Pediatrics - copay", -4000, str(next_check)); next_check += 1
    if month in (3, 9):
        add(on(22), "Lincoln Elementary PTA", -2500, str(next_check)); next_check += 1
    if month == 4:
        add(on(15), "IRS - 2025 federal tax refund", 118600)
    if month == 12:
        add(on(19), "Target - holiday gifts", -31478)
        add(on(21), "Babysitter - Emma R.", -6000, str(next_check)); next_check += 1

rows.sort(key=lambda r: r[0])
BARE = re.compile(r"^[A-Za-z0-9_$/:.-]+$")


def text(s):
    if s and BARE.match(s):
        return s
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def money(cents):
    sign = "-" if cents < 0 else ""
    return "%s%d.%02d" % (sign, abs(cents) // 100, abs(cents) % 100)


def shortest(cents):
    s = money(cents)
    return s.rstrip("0").rstrip(".") if "." in s else s


out = ["("]
total = 0
balanced_through = datetime.date(2026, 10, 31)
for i, (day, check, description, cents) in enumerate(rows):
    total += cents
    fields = [("Amount", text(money(cents))), ("CheckNumber", text(check)),
              ("Date", text(day.strftime("%m/%d/%Y"))), ("DescriptionofTransaction", text(description))]
    if day <= balanced_through:
        fields.append(("EOMSeen", "1"))
    fields.append(("Total", text(shortest(total))))
    body = "".join("%s = %s; " % kv for kv in fields)
    out.append("    {%s}%s" % (body, "," if i + 1 < len(rows) else ""))
out.append(")")
sys.stdout.write("\n".join(out) + "\n")
