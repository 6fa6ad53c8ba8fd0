<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Cheqbook</source>
        <translation>Über Cheqbook</translation>
    </message>
    <message>
        <source> (built with Qt %1)</source>
        <translation> (erstellt mit Qt %1)</translation>
    </message>
    <message>
        <source>A checkbook register for the desktop.

Qt %1%2
Copyright © The Cheqbook developers
Released under the MIT licence.</source>
        <translation>Ein Kontobuch für Schecks, Einzahlungen und Kartenzahlungen.

Qt %1%2
Copyright © Die Cheqbook-Entwickler
Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Cheqbook&apos;s icon</source>
        <translation>Das Symbol von Cheqbook</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>AmountSum</name>
    <message>
        <source>the sum is too large</source>
        <translation>die Summe ist zu groß</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>the sum is nested too deeply</source>
        <translation>die Summe ist zu tief verschachtelt</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>it belongs to the user %1, and a new version saved by you would belong to you; ask %1 to save it, or save your changes under another name</source>
        <translation>sie gehört dem Benutzer %1, und eine von Ihnen gespeicherte neue Fassung gehörte Ihnen; bitten Sie %1, sie zu speichern, oder speichern Sie Ihre Änderungen unter einem anderen Namen</translation>
    </message>
    <message>
        <source>it belongs to the group %1, which you are not a member of, and a new version saved by you would not; save your changes under another name</source>
        <translation>sie gehört der Gruppe %1, der Sie nicht angehören, und eine von Ihnen gespeicherte neue Fassung gehörte ihr nicht; speichern Sie Ihre Änderungen unter einem anderen Namen</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no program is reading from the pipe</source>
        <translation>kein Programm liest aus der Pipe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private: %2</source>
        <translation>der Ordner %1 kann nicht privat gemacht werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Split (%1)</source>
        <translation>Aufgeteilt (%1)</translation>
    </message>
</context>
<context>
    <name>CategoryEdits</name>
    <message>
        <source>Remove Category</source>
        <translation>Kategorie entfernen</translation>
    </message>
    <message>
        <source>Category “%1”</source>
        <translation>Kategorie „%1“</translation>
    </message>
    <message>
        <source>Apply Rules (1 row)</source>
        <translation>Regeln anwenden (1 Zeile)</translation>
    </message>
    <message>
        <source>Apply Rules (%1 rows)</source>
        <translation>Regeln anwenden (%1 Zeilen)</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Aufteilung entfernen</translation>
    </message>
    <message>
        <source>the transaction&apos;s amount is not a number, so it cannot be split</source>
        <translation>der Betrag der Buchung ist keine Zahl, daher kann sie nicht aufgeteilt werden</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilen</translation>
    </message>
</context>
<context>
    <name>CategoryMenus</name>
    <message>
        <source>Cate&amp;gory Rules…</source>
        <translation>Kate&amp;gorieregeln…</translation>
    </message>
    <message>
        <source>Appl&amp;y Category Rules</source>
        <translation>Kategorieregeln an&amp;wenden</translation>
    </message>
    <message>
        <source>Gives the selected transactions the categories of the rules their descriptions fit</source>
        <translation>Gibt den markierten Buchungen die Kategorien der Regeln, zu denen ihre Beschreibungen passen</translation>
    </message>
    <message>
        <source>Spli&amp;t Transaction…</source>
        <translation>Buchung auf&amp;teilen…</translation>
    </message>
    <message>
        <source>Categor&amp;y Column</source>
        <translation>Spalte &amp;Kategorie</translation>
    </message>
    <message>
        <source>S&amp;pending by Category</source>
        <translation>Ausgaben nach Kate&amp;gorie</translation>
    </message>
    <message>
        <source>Category rules kept: %1</source>
        <translation>Kategorieregeln gespeichert: %1</translation>
    </message>
    <message>
        <source>No category rules</source>
        <translation>Keine Kategorieregeln</translation>
    </message>
    <message>
        <source>There are no category rules yet. Register &gt; Category Rules makes them.</source>
        <translation>Es gibt noch keine Kategorieregeln. Kontobuch &gt; Kategorieregeln legt sie an.</translation>
    </message>
    <message>
        <source>Select the transactions to give categories by the rules.</source>
        <translation>Markieren Sie die Buchungen, die nach den Regeln Kategorien erhalten sollen.</translation>
    </message>
    <message>
        <source>Category rules applied: %1 changed, %2 fitting no rule, %3 split left as they are</source>
        <translation>Kategorieregeln angewandt: %1 geändert, %2 ohne passende Regel, %3 aufgeteilte unverändert</translation>
    </message>
    <message>
        <source>Select one transaction to split; the opening balance is not one.</source>
        <translation>Markieren Sie eine Buchung zum Aufteilen; der Anfangssaldo ist keine.</translation>
    </message>
    <message>
        <source>The transaction&apos;s amount is not a number, so it cannot be split.</source>
        <translation>Der Betrag der Buchung ist keine Zahl, daher kann sie nicht aufgeteilt werden.</translation>
    </message>
</context>
<context>
    <name>CategoryReport</name>
    <message>
        <source>(no category)</source>
        <translation>(ohne Kategorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>CategoryRules</name>
    <message>
        <source>the rule says no text to look for</source>
        <translation>die Regel nennt keinen Text, nach dem gesucht wird</translation>
    </message>
    <message>
        <source>the rule has no pattern</source>
        <translation>die Regel hat kein Muster</translation>
    </message>
    <message>
        <source>the rule gives no category</source>
        <translation>die Regel nennt keine Kategorie</translation>
    </message>
    <message>
        <source>the pattern “%1” is not one: %2 at character %3</source>
        <translation>das Muster „%1“ ist keines: %2 bei Zeichen %3</translation>
    </message>
</context>
<context>
    <name>CategoryRulesDialog</name>
    <message>
        <source>Category Rules</source>
        <translation>Kategorieregeln</translation>
    </message>
    <message>
        <source>A transaction whose description fits a rule gets its category; the first rule that fits counts. Letter case does not matter.</source>
        <translation>Eine Buchung, deren Beschreibung zu einer Regel passt, erhält deren Kategorie; es zählt die erste passende Regel. Groß- und Kleinschreibung spielt keine Rolle.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Text or pattern</source>
        <translation>Text oder Muster</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>enthält</translation>
    </message>
    <message>
        <source>matches the pattern</source>
        <translation>passt zum Muster</translation>
    </message>
    <message>
        <source>Rule %1 cannot be kept: %2.</source>
        <translation>Regel %1 kann nicht gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>All time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last 3 months</source>
        <translation>Letzte 3 Monate</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;Save as PNG…</source>
        <translation>Als PNG &amp;speichern…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Took the most</source>
        <translation>Größte Ausgaben</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Balance: no transaction to draw in this period</source>
        <translation>Saldo: keine Buchung in diesem Zeitraum</translation>
    </message>
    <message>
        <source>Money in and out per year</source>
        <translation>Einnahmen und Ausgaben je Jahr</translation>
    </message>
    <message>
        <source>Money in and out per month</source>
        <translation>Einnahmen und Ausgaben je Monat</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Money in and out per month, %1</source>
        <translation>Einnahmen und Ausgaben je Monat, %1</translation>
    </message>
    <message>
        <source>1 transaction is left out of the charts: Cheqbook cannot read its date.</source>
        <translation>1 Buchung fehlt in den Diagrammen: Cheqbook kann ihr Datum nicht lesen.</translation>
    </message>
    <message>
        <source>%1 transactions are left out of the charts: Cheqbook cannot read their dates.</source>
        <translation>%1 Buchungen fehlen in den Diagrammen: Cheqbook kann ihr Datum nicht lesen.</translation>
    </message>
    <message>
        <source>Balance chart</source>
        <translation>Saldo-Diagramm</translation>
    </message>
    <message>
        <source>Its figures are in the table below it.</source>
        <translation>Seine Zahlen stehen in der Tabelle darunter.</translation>
    </message>
    <message>
        <source>Money in and out chart</source>
        <translation>Diagramm der Ein- und Ausgänge</translation>
    </message>
    <message>
        <source>Its figures are in the table beside it.</source>
        <translation>Seine Zahlen stehen in der Tabelle daneben.</translation>
    </message>
    <message>
        <source>Payees that took the most</source>
        <translation>Empfänger, die am meisten erhielten</translation>
    </message>
    <message>
        <source>The charts&apos; figures</source>
        <translation>Die Zahlen der Diagramme</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Each period&apos;s money in and out, and the balance at its end</source>
        <translation>Ein- und Ausgänge jedes Zeitraums und der Saldo an seinem Ende</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>S&amp;aldo</translation>
    </message>
</context>
<context>
    <name>CheckContent</name>
    <message>
        <source>the register has no row %1 (it has %2)</source>
        <translation>das Kontobuch hat keine Zeile %1 (es hat %2)</translation>
    </message>
    <message>
        <source>row 1 is the opening balance, not a check</source>
        <translation>Zeile 1 ist der Anfangssaldo, kein Scheck</translation>
    </message>
    <message>
        <source>row %1 (%2) has no amount a check can pay: “%3”</source>
        <translation>Zeile %1 (%2) hat keinen Betrag, den ein Scheck zahlen kann: „%3“</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a check: it pays %3 in, not out</source>
        <translation>Zeile %1 (%2) ist kein Scheck: Dort gehen %3 ein, nicht aus</translation>
    </message>
</context>
<context>
    <name>CheckLayout</name>
    <message>
        <source>a quotation mark is not closed</source>
        <translation>ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>“%1” is given twice (first on line %2)</source>
        <translation>„%1“ ist zweimal angegeben (zuerst in Zeile %2)</translation>
    </message>
    <message>
        <source>“%1” is not a length: write a number such as 6.75, followed by in, mm or pt unless it is in %2</source>
        <translation>„%1“ ist keine Länge: Schreiben Sie eine Zahl wie 6.75, gefolgt von in, mm oder pt, außer sie ist in %2 gemeint</translation>
    </message>
    <message>
        <source>“%1” is below zero: lengths are measured from the top left corner</source>
        <translation>„%1“ ist kleiner als null: Längen werden von der linken oberen Ecke aus gemessen</translation>
    </message>
    <message>
        <source>“%1” is longer than any paper</source>
        <translation>„%1“ ist länger als jedes Papier</translation>
    </message>
    <message>
        <source>“%1” needs %2</source>
        <translation>„%1“ braucht %2</translation>
    </message>
    <message>
        <source>“%1” is more than “%2” takes</source>
        <translation>„%1“ ist mehr, als „%2“ annimmt</translation>
    </message>
    <message>
        <source>two lengths: x and y</source>
        <translation>zwei Längen: x und y</translation>
    </message>
    <message>
        <source>four lengths: x, y, width and height</source>
        <translation>vier Längen: x, y, Breite und Höhe</translation>
    </message>
    <message>
        <source>“%1” needs a width and a height above zero</source>
        <translation>„%1“ braucht eine Breite und eine Höhe über null</translation>
    </message>
    <message>
        <source>“%1” is not part of a check layout: a line begins with name, paper, units, font, place, face, stub, or a field (%2)</source>
        <translation>„%1“ gehört nicht in eine Scheckvorlage: Eine Zeile beginnt mit name, paper, units, font, place, face, stub oder einem Feld (%2)</translation>
    </message>
    <message>
        <source>“units” needs one of in, mm or pt</source>
        <translation>„units“ braucht in, mm oder pt</translation>
    </message>
    <message>
        <source>“%1” is not a paper Cheqbook knows: write letter, legal, a4, or a width and a height</source>
        <translation>„%1“ ist kein Papierformat, das Cheqbook kennt: Schreiben Sie letter, legal, a4 oder eine Breite und eine Höhe</translation>
    </message>
    <message>
        <source>letter, legal, a4, or a width and a height</source>
        <translation>letter, legal, a4 oder eine Breite und eine Höhe</translation>
    </message>
    <message>
        <source>the paper needs a width and a height above zero</source>
        <translation>das Papier braucht eine Breite und eine Höhe über null</translation>
    </message>
    <message>
        <source>“font” needs a family and a size in points (font &quot;DejaVu Sans&quot; 10)</source>
        <translation>„font“ braucht eine Schriftfamilie und eine Größe in Punkt (font &quot;DejaVu Sans&quot; 10)</translation>
    </message>
    <message>
        <source>“%1” is not a size: a number of points from 4 to 72</source>
        <translation>„%1“ ist keine Größe: eine Zahl von 4 bis 72 Punkt</translation>
    </message>
    <message>
        <source>three lengths: x, y and width</source>
        <translation>drei Längen: x, y und Breite</translation>
    </message>
    <message>
        <source>“%1” needs a value after it</source>
        <translation>„%1“ braucht einen Wert dahinter</translation>
    </message>
    <message>
        <source>“lines” needs a whole number from 1 to 20</source>
        <translation>„lines“ braucht eine ganze Zahl von 1 bis 20</translation>
    </message>
    <message>
        <source>“%1” is not an option of a field (size, font, bold, left, right, center, lines)</source>
        <translation>„%1“ ist keine Option eines Feldes (size, font, bold, left, right, center, lines)</translation>
    </message>
    <message>
        <source>the field needs a width above zero</source>
        <translation>das Feld braucht eine Breite über null</translation>
    </message>
    <message>
        <source>no “paper” line: letter, legal, a4, or a width and a height</source>
        <translation>keine Zeile „paper“: letter, legal, a4 oder eine Breite und eine Höhe</translation>
    </message>
    <message>
        <source>no “place” line: a layout places at least one check on a sheet</source>
        <translation>keine Zeile „place“: Eine Vorlage setzt mindestens einen Scheck auf ein Blatt</translation>
    </message>
    <message>
        <source>no “face” line: where the check lies within its place</source>
        <translation>keine Zeile „face“: wo der Scheck innerhalb seines Platzes liegt</translation>
    </message>
    <message>
        <source>no “%1” field: a check needs its date, payee, amount and amount in words</source>
        <translation>kein Feld „%1“: Ein Scheck braucht Datum, Empfänger, Betrag und Betrag in Worten</translation>
    </message>
    <message>
        <source>the check placed here</source>
        <translation>der hier platzierte Scheck</translation>
    </message>
    <message>
        <source>the paper</source>
        <translation>des Blatts</translation>
    </message>
    <message>
        <source>the stub of line %1, placed here,</source>
        <translation>der hier platzierte Abschnitt aus Zeile %1</translation>
    </message>
    <message>
        <source>the %1 field</source>
        <translation>das Feld %1</translation>
    </message>
    <message>
        <source>the check</source>
        <translation>des Schecks</translation>
    </message>
    <message>
        <source>“stub %1” places a field on the stubs, but the layout has no “stub” line</source>
        <translation>„stub %1“ setzt ein Feld auf die Abschnitte, aber die Vorlage hat keine Zeile „stub“</translation>
    </message>
    <message>
        <source>the stub of line %1</source>
        <translation>des Abschnitts aus Zeile %1</translation>
    </message>
    <message>
        <source>%1 ends %2 beyond the %3 edge of %4</source>
        <translation>%1 ragt %2 über den %3 Rand %4 hinaus</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechten</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unteren</translation>
    </message>
    <message>
        <source>%1: at %2 bytes it is too large to be a check layout</source>
        <translation>%1: Mit %2 Bytes ist die Datei zu groß für eine Scheckvorlage</translation>
    </message>
</context>
<context>
    <name>CheckLayouts</name>
    <message>
        <source>there is no check layout “%1” (there are %2)</source>
        <translation>es gibt keine Scheckvorlage „%1“ (es gibt %2)</translation>
    </message>
</context>
<context>
    <name>CheckNumbering</name>
    <message>
        <source>Check numbers begin at 1, not at %1.</source>
        <translation>Schecknummern beginnen bei 1, nicht bei %1.</translation>
    </message>
    <message>
        <source>Check numbers end at %1; %2 checks from %3 go beyond.</source>
        <translation>Schecknummern enden bei %1; %2 Schecks ab %3 gehen darüber hinaus.</translation>
    </message>
    <message>
        <source>Check %1 is already in the register, in row %2; choose a first number after the checks it holds.</source>
        <translation>Scheck %1 steht schon im Kontobuch, in Zeile %2; wählen Sie eine erste Nummer nach den Schecks darin.</translation>
    </message>
    <message>
        <source>VOID: spoiled printing the check to %1</source>
        <translation>ENTWERTET: Scheck an %1 beim Drucken verdorben</translation>
    </message>
    <message>
        <source>Mark %1 Checks to Print</source>
        <translation>%1 Schecks zum Drucken vormerken</translation>
    </message>
    <message>
        <source>Number Check %1</source>
        <translation>Scheck %1 nummerieren</translation>
    </message>
    <message>
        <source>Number Checks %1–%2</source>
        <translation>Schecks %1–%2 nummerieren</translation>
    </message>
    <message>
        <source>Reprint Check %1</source>
        <translation>Scheck %1 neu drucken</translation>
    </message>
    <message>
        <source>Reprint Checks %1–%2</source>
        <translation>Schecks %1–%2 neu drucken</translation>
    </message>
    <message>
        <source>Mark to Print “%1”</source>
        <translation>„%1“ zum Drucken vormerken</translation>
    </message>
    <message>
        <source>Mark to Print Transaction</source>
        <translation>Buchung zum Drucken vormerken</translation>
    </message>
</context>
<context>
    <name>CheckPrintDialog</name>
    <message>
        <source>Export Checks PDF</source>
        <translation>Schecks als PDF exportieren</translation>
    </message>
    <message>
        <source>Print Checks</source>
        <translation>Schecks drucken</translation>
    </message>
    <message>
        <source>Check &amp;stock:</source>
        <translation>Scheck&amp;vorlage:</translation>
    </message>
    <message>
        <source>The default printer</source>
        <translation>Der Standarddrucker</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>D&amp;rucker:</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>right</source>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>&amp;Move everything:</source>
        <translation>Alles ver&amp;schieben:</translation>
    </message>
    <message>
        <source>Below zero moves the print left or up; the alignment page shows where it lands</source>
        <translation>Unter null verschiebt den Druck nach links oder oben; die Ausrichtungsseite zeigt, wo er landet</translation>
    </message>
    <message>
        <source>Start at chec&amp;k:</source>
        <translation>Beginnen bei Sche&amp;ck:</translation>
    </message>
    <message>
        <source>On a sheet whose first checks are used, the first that is left</source>
        <translation>Auf einem Blatt, dessen erste Schecks verbraucht sind, der erste noch übrige</translation>
    </message>
    <message>
        <source>&amp;First check number:</source>
        <translation>&amp;Erste Schecknummer:</translation>
    </message>
    <message>
        <source>The number printed on the first check of the stock in the printer</source>
        <translation>Die Nummer, die auf den ersten Scheckvordruck im Drucker gedruckt wird</translation>
    </message>
    <message>
        <source>One check to export.</source>
        <translation>Ein Scheck zum Exportieren.</translation>
    </message>
    <message>
        <source>%1 checks to export.</source>
        <translation>%1 Schecks zum Exportieren.</translation>
    </message>
    <message>
        <source>One check to print.</source>
        <translation>Ein Scheck zum Drucken.</translation>
    </message>
    <message>
        <source>%1 checks to print.</source>
        <translation>%1 Schecks zum Drucken.</translation>
    </message>
    <message>
        <source>Marked to print, they get their numbers now.</source>
        <translation>Zum Drucken vorgemerkt, erhalten sie jetzt ihre Nummern.</translation>
    </message>
    <message>
        <source>%1 of them, marked to print, get their numbers now.</source>
        <translation>%1 davon, zum Drucken vorgemerkt, erhalten jetzt ihre Nummern.</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Alignment Page…</source>
        <translation>&amp;Ausrichtungsseite…</translation>
    </message>
    <message>
        <source>A grid and each field&apos;s box, to print on plain paper and hold against a sheet of checks to the light</source>
        <translation>Ein Raster mit dem Rahmen jedes Feldes: auf Normalpapier drucken und gegen das Licht auf einen Scheckbogen legen</translation>
    </message>
    <message>
        <source> of %1 on the sheet</source>
        <translation> von %1 auf dem Blatt</translation>
    </message>
</context>
<context>
    <name>CheckPrinter</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>check %1</source>
        <translation>Scheck %1</translation>
    </message>
    <message>
        <source>stub</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>%1 could not be written: the checks could not be laid out</source>
        <translation>%1 konnte nicht geschrieben werden: Die Schecks ließen sich nicht anordnen</translation>
    </message>
</context>
<context>
    <name>CheckPrinting</name>
    <message>
        <source>Print Checks</source>
        <translation>Schecks drucken</translation>
    </message>
    <message>
        <source>There is no check to print.

Select the checks (transactions that pay money out), or mark them to print with a P in their Check # or Register &gt; Mark to Print.</source>
        <translation>Es gibt keinen Scheck zu drucken.

Markieren Sie die Schecks (Buchungen, die Geld auszahlen), oder merken Sie sie zum Drucken vor: mit einem P in ihrer Scheck-Nr. oder mit Kontobuch &gt; Zum Drucken vormerken.</translation>
    </message>
    <message>
        <source>The checks have their new numbers but are not printed again: select them and choose Register &gt; Print Checks.</source>
        <translation>Die Schecks haben ihre neuen Nummern, sind aber nicht erneut gedruckt: Markieren Sie sie und wählen Sie Kontobuch &gt; Schecks drucken.</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Schecks</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 Schecks</translation>
    </message>
    <message>
        <source>Export Checks PDF</source>
        <translation>Schecks als PDF exportieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The checks could not be exported.

%1</source>
        <translation>Die Schecks konnten nicht exportiert werden.

%1</translation>
    </message>
    <message>
        <source>Checks exported: %1.</source>
        <translation>Schecks exportiert: %1.</translation>
    </message>
    <message>
        <source>Checks printed: %1.</source>
        <translation>Schecks gedruckt: %1.</translation>
    </message>
    <message>
        <source>The marked ones are numbered from %1.</source>
        <translation>Die vorgemerkten sind ab %1 nummeriert.</translation>
    </message>
    <message>
        <source>The payee address book cannot be read.

%1</source>
        <translation>Das Adressbuch der Empfänger kann nicht gelesen werden.

%1</translation>
    </message>
    <message>
        <source>These rows cannot be printed as checks: %1.</source>
        <translation>Diese Zeilen können nicht als Schecks gedruckt werden: %1.</translation>
    </message>
    <message>
        <source>The checks could not be printed: the printer refused them. No check was numbered.</source>
        <translation>Die Schecks konnten nicht gedruckt werden: Der Drucker hat sie abgelehnt. Kein Scheck wurde nummeriert.</translation>
    </message>
    <message>
        <source>Did the checks print correctly?

If a sheet jammed, smeared or printed out of place, Reprint gives these checks new numbers from %1 on, keeps each spoiled number on a void row, and prints them again.</source>
        <translation>Wurden die Schecks richtig gedruckt?

Wenn sich ein Blatt gestaut hat, verschmiert oder verrutscht ist, gibt „Neu drucken“ diesen Schecks neue Nummern ab %1, hält jede verdorbene Nummer in einer Zeile als entwertet fest und druckt die Schecks erneut.</translation>
    </message>
    <message>
        <source>Printed Correctly</source>
        <translation>Richtig gedruckt</translation>
    </message>
    <message>
        <source>Reprint…</source>
        <translation>Neu drucken…</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF cannot replace the register itself.
Please choose another name!</source>
        <translation>Das PDF kann nicht das Kontobuch selbst ersetzen.
Bitte wählen Sie einen anderen Namen!</translation>
    </message>
    <message>
        <source>Export Alignment Page</source>
        <translation>Ausrichtungsseite exportieren</translation>
    </message>
    <message>
        <source>Alignment page.pdf</source>
        <translation>Ausrichtungsseite.pdf</translation>
    </message>
    <message>
        <source>Alignment page</source>
        <translation>Ausrichtungsseite</translation>
    </message>
    <message>
        <source>The alignment page could not be printed: the printer refused it.</source>
        <translation>Die Ausrichtungsseite konnte nicht gedruckt werden: Der Drucker hat sie abgelehnt.</translation>
    </message>
    <message>
        <source>Only transactions that pay money out can be marked to print as checks.</source>
        <translation>Nur Buchungen, die Geld auszahlen, können als Schecks zum Drucken vorgemerkt werden.</translation>
    </message>
    <message>
        <source>Checks marked to print: %1. Register &gt; Print Checks numbers and prints them.</source>
        <translation>Zum Drucken vorgemerkte Schecks: %1. Kontobuch &gt; Schecks drucken nummeriert und druckt sie.</translation>
    </message>
    <message>
        <source>Payee Address</source>
        <translation>Adresse des Empfängers</translation>
    </message>
    <message>
        <source>Please select the transaction whose payee it is!</source>
        <translation>Bitte markieren Sie eine Buchung des gewünschten Empfängers!</translation>
    </message>
    <message>
        <source>The selected transaction names no payee.</source>
        <translation>Die markierte Buchung nennt keinen Empfänger.</translation>
    </message>
    <message>
        <source>The address printed under “%1” on checks, a line each (at most %2 lines; empty to forget it):</source>
        <translation>Die Adresse, die auf Schecks unter „%1“ gedruckt wird, eine Angabe je Zeile (höchstens %2 Zeilen; leer, um sie zu vergessen):</translation>
    </message>
    <message>
        <source>The address was not kept.

%1</source>
        <translation>Die Adresse wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <source>No address is printed for “%1”.</source>
        <translation>Für „%1“ wird keine Adresse gedruckt.</translation>
    </message>
    <message>
        <source>The address of “%1” is kept.</source>
        <translation>Die Adresse von „%1“ ist gespeichert.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>
Exit status:
  0  Cheqbook was quit, or the files were handed to the Cheqbook already running.
  1  The command line is wrong.
Ended by SIGTERM, SIGHUP or SIGINT, Cheqbook first copies unsaved work to the recovery folder,
then ends by that signal.

Files:
  %1
      The preferences, the recent registers and where each window was.
  %2/
      Unsaved work, copied a few seconds after each change and offered back at the next start.
  NAME.ldgr~
      The register as it was before its last save.
  .NAME.ldgr.lock
      Beside a register while a Cheqbook has it open.

Environment:
  XDG_CONFIG_HOME, XDG_DATA_HOME
      The folders of the files above, instead of ~/.config and ~/.local/share.
  DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR
      One Cheqbook runs for each user and display; it listens for the registers opened later
      in a socket in XDG_RUNTIME_DIR.
  TZ  The time zone of today&apos;s date, which new transactions are given.
</source>
        <translation>
Rückgabewert:
  0  Cheqbook wurde beendet, oder die Dateien wurden dem schon laufenden Cheqbook übergeben.
  1  Die Befehlszeile ist falsch.
Wird Cheqbook durch SIGTERM, SIGHUP oder SIGINT beendet, sichert es zuerst ungespeicherte Arbeit im
Wiederherstellungsordner und endet dann durch dieses Signal.

Dateien:
  %1
      Die Einstellungen, die zuletzt geöffneten Kontobücher und wo jedes Fenster war.
  %2/
      Ungespeicherte Arbeit, wenige Sekunden nach jeder Änderung gesichert und beim nächsten Start angeboten.
  NAME.ldgr~
      Das Kontobuch, wie es vor dem letzten Speichern war.
  .NAME.ldgr.lock
      Neben einem Kontobuch, solange ein Cheqbook es geöffnet hat.

Umgebung:
  XDG_CONFIG_HOME, XDG_DATA_HOME
      Die Ordner der obigen Dateien, statt ~/.config und ~/.local/share.
  DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR
      Je Benutzer und Bildschirm läuft ein Cheqbook; es nimmt später geöffnete Kontobücher über einen
      Socket in XDG_RUNTIME_DIR entgegen.
  TZ  Die Zeitzone des heutigen Datums, das neue Buchungen erhalten.
</translation>
    </message>
    <message>
        <source>A checkbook register for the desktop. Each register file (.ldgr) opens in a window of its own;
with none, Cheqbook opens the registers that were open when it last quit (when Preferences
says so) or a new register.</source>
        <translation>Ein Kontobuch für Schecks, Einzahlungen und Kartenzahlungen. Jede Kontobuchdatei (.ldgr) öffnet sich in
einem eigenen Fenster; ohne Datei öffnet Cheqbook die Kontobücher, die beim letzten Beenden offen waren
(wenn die Einstellungen es so wollen), oder ein neues Kontobuch.</translation>
    </message>
    <message>
        <source>FILE...</source>
        <translation>DATEI...</translation>
    </message>
    <message>
        <source>Register files to open; given while Cheqbook is running, they open in it.</source>
        <translation>Zu öffnende Kontobuchdateien; läuft Cheqbook schon, öffnen sie sich dort.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[DATEI...]</translation>
    </message>
</context>
<context>
    <name>ConflictChooser</name>
    <message>
        <source>Merge Conflicts</source>
        <translation>Konflikte beim Zusammenführen</translation>
    </message>
    <message>
        <source>Both versions changed these differently. Choose what the merged register keeps; the rest of “%1” is merged as it is.</source>
        <translation>Beide Fassungen haben dies verschieden geändert. Wählen Sie, was das zusammengeführte Kontobuch behält; der Rest von „%1“ wird so zusammengeführt, wie er ist.</translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation>Buchung</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>Other Computer</source>
        <translation>Anderer Computer</translation>
    </message>
    <message>
        <source>Deleted here, changed there</source>
        <translation>Hier gelöscht, dort geändert</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Kept as changed</source>
        <translation>Geändert behalten</translation>
    </message>
    <message>
        <source>Changed here, deleted there</source>
        <translation>Hier geändert, dort gelöscht</translation>
    </message>
    <message>
        <source>Keep All Mine</source>
        <translation>Alle meine behalten</translation>
    </message>
    <message>
        <source>Take All Theirs</source>
        <translation>Alle anderen übernehmen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Not reconciled</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>a date (Date, Posting Date, Datum, Buchungstag, Date opération, Fecha, Boekdatum, Data…), an amount (Amount, Betrag, Montant, Importe, Bedrag, Importo…) or money out and in (Debit and Credit, Withdrawal and Deposit, Soll and Haben, Débit and Crédit, Cargo and Abono, Af and Bij, Dare and Avere…), and a description (Description, Payee, Name, Auftraggeber, Libellé, Concepto, Omschrijving, Descrizione…)</source>
        <translation>ein Datum (Datum, Buchungstag, Date, Posting Date, Date opération, Fecha, Boekdatum, Data…), einen Betrag (Betrag, Amount, Montant, Importe, Bedrag, Importo…) oder Aus- und Eingänge (Soll und Haben, Debit und Credit, Withdrawal und Deposit, Débit und Crédit, Cargo und Abono, Af und Bij, Dare und Avere…) und eine Beschreibung (Auftraggeber, Description, Payee, Name, Libellé, Concepto, Omschrijving, Descrizione…)</translation>
    </message>
    <message>
        <source>semicolon</source>
        <extracomment>The separator&apos;s name in a sentence (&quot;the lines are separated by %1s&quot;).</extracomment>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Cheqbook now keeps its data in %1. These were left in %2, since the new folder holds the same names: %3</source>
        <translation>Cheqbook bewahrt seine Daten jetzt in %1 auf. Diese blieben in %2, da der neue Ordner dieselben Namen enthält: %3</translation>
    </message>
</context>
<context>
    <name>DateReader</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>07/12/2026, 7/12/26, 7.12.2026, 2026-12-07, 20261207, 07-Dec-26, 7 December 2026, Dec 7, 2026, 7/12, today, yesterday, tomorrow</source>
        <extracomment>Dates as typed with the day first, each read as 7 December 2026 (12-07 without a year) or a day near today. List only forms Cheqbook reads: a test types each one.</extracomment>
        <translation>07.12.2026, 7.12.26, 07/12/2026, 2026-12-07, 20261207, 7. Dezember 2026, 7. Dez. 2026, 7/12, heute, gestern, morgen</translation>
    </message>
    <message>
        <source>2026-12-07, 26-12-07, 2026/12/07, 20261207, 7.12.2026, 07-Dec-26, Dec 7, 2026, 7 December 2026, 12-07, today, yesterday, tomorrow</source>
        <extracomment>Dates as typed with the year first, each read as 7 December 2026 (12-07 without a year) or a day near today. List only forms Cheqbook reads: a test types each one.</extracomment>
        <translation>2026-12-07, 26-12-07, 2026/12/07, 20261207, 7.12.2026, 7. Dezember 2026, 7. Dez. 2026, 12-07, heute, gestern, morgen</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>12/07/2026, 12/7/26, 2026-12-07, 2026/12/07, 20261207, 7.12.2026, 07-Dec-26, Dec 7, 2026, 7 December 2026, December 7th, 12/7, today, yesterday, tomorrow</source>
        <extracomment>Dates as typed with the month first, each read as 7 December 2026 (12/7 without a year) or a day near today. List only forms Cheqbook reads: a test types each one.</extracomment>
        <translation>12/07/2026, 12/7/26, 2026-12-07, 2026/12/07, 20261207, 7.12.2026, 7. Dezember 2026, 7. Dez. 2026, 12/7, heute, gestern, morgen</translation>
    </message>
</context>
<context>
    <name>DateSort</name>
    <message>
        <source>Sort by Date</source>
        <translation>Nach Datum sortieren</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Re&amp;vert to Saved</source>
        <translation>Auf &amp;gespeicherte Fassung zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Unbenannt %1</translation>
    </message>
    <message>
        <source>Registers (*.ldgr);;All files (*)</source>
        <translation>Kontobücher (*.ldgr);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>“%1” is already open in another Cheqbook%2.
If both save it, one will overwrite the other&apos;s changes.</source>
        <translation>„%1“ ist bereits in einem anderen Cheqbook geöffnet%2.
Wenn beide speichern, überschreibt eines die Änderungen des anderen.</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Opening “%1”…</source>
        <translation>„%1“ wird geöffnet…</translation>
    </message>
    <message>
        <source>The register “%1” could not be opened.

%2</source>
        <translation>Das Kontobuch „%1“ konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Salden</translation>
    </message>
    <message>
        <source>In “%1”, %2.
Cheqbook shows the balances the amounts give, and saves them so.</source>
        <translation>In „%1“: %2.
Cheqbook zeigt die Salden, die sich aus den Beträgen ergeben, und speichert sie so.</translation>
    </message>
    <message>
        <source>Open Register</source>
        <translation>Kontobuch öffnen</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Save Register</source>
        <translation>Kontobuch speichern</translation>
    </message>
    <message>
        <source>“%1” was changed by another program since you opened it.
Saving replaces those changes with yours.</source>
        <translation>„%1“ wurde seit dem Öffnen von einem anderen Programm geändert.
Speichern ersetzt diese Änderungen durch Ihre.</translation>
    </message>
    <message>
        <source>“%1” was moved or deleted since you opened it.
Save it again where it was?</source>
        <translation>„%1“ wurde seit dem Öffnen verschoben oder gelöscht.
An seinem bisherigen Ort erneut speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>“%1” is open in another Cheqbook%2.
If both save it, one will overwrite the other&apos;s changes.</source>
        <translation>„%1“ ist in einem anderen Cheqbook geöffnet%2.
Wenn beide speichern, überschreibt eines die Änderungen des anderen.</translation>
    </message>
    <message>
        <source>Saving “%1”…</source>
        <translation>„%1“ wird gespeichert…</translation>
    </message>
    <message>
        <source>The register “%1” could not be saved.

%2</source>
        <translation>Das Kontobuch „%1“ konnte nicht gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Revert to Saved</source>
        <translation>Auf gespeicherte Fassung zurücksetzen</translation>
    </message>
    <message>
        <source>Do you want to revert “%1” to the version last saved?
The changes you made since then will be lost.</source>
        <translation>Möchten Sie „%1“ auf die zuletzt gespeicherte Fassung zurücksetzen?
Ihre Änderungen seither gehen verloren.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reading “%1” again…</source>
        <translation>„%1“ wird neu gelesen…</translation>
    </message>
    <message>
        <source>The register “%1” could not be read again.

%2</source>
        <translation>Das Kontobuch „%1“ konnte nicht neu gelesen werden.

%2</translation>
    </message>
    <message>
        <source>Revert To</source>
        <translation>Auf frühere Fassung zurücksetzen</translation>
    </message>
    <message>
        <source>Do you want to go back to the version of “%1” saved %2?
The window shows that version until you save it, which makes it the register again. The changes not saved will be lost.</source>
        <translation>Möchten Sie zur Fassung von „%1“ vom %2 zurückkehren?
Das Fenster zeigt diese Fassung, bis Sie sie speichern; damit wird sie wieder zum Kontobuch. Nicht gespeicherte Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading the version saved %1…</source>
        <translation>Die Fassung vom %1 wird gelesen…</translation>
    </message>
    <message>
        <source>The version of “%1” saved %2 could not be read.

%3</source>
        <translation>Die Fassung von „%1“ vom %2 konnte nicht gelesen werden.

%3</translation>
    </message>
    <message>
        <source>Revert &amp;To</source>
        <translation>Auf f&amp;rühere Fassung zurücksetzen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert am %1</translation>
    </message>
    <message>
        <source>No Earlier Versions</source>
        <translation>Keine früheren Fassungen</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Cheqbook cannot keep a copy of your unsaved changes, so they would be lost if it stopped unexpectedly. Save often until this is mended.

%1</source>
        <translation>Cheqbook kann keine Kopie Ihrer nicht gespeicherten Änderungen anlegen; sie gingen verloren, wenn es unerwartet beendet würde. Speichern Sie oft, bis das behoben ist.

%1</translation>
    </message>
    <message>
        <source>

It stays where it is.</source>
        <translation>

Sie bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>

It was moved to %1; Cheqbook deletes it once it has been there %2 days (from %3 on).</source>
        <translation>

Sie wurde nach %1 verschoben; Cheqbook löscht sie, wenn sie dort %2 Tage lag (ab %3).</translation>
    </message>
    <message>
        <source>Cheqbook kept a copy of unsaved changes that cannot be read, so it cannot be offered back:
%1

%2%3</source>
        <translation>Cheqbook hat eine Kopie nicht gespeicherter Änderungen, die sich nicht lesen lässt und daher nicht angeboten werden kann:
%1

%2%3</translation>
    </message>
    <message>
        <source>a new register</source>
        <translation>ein neues Kontobuch</translation>
    </message>
    <message>
        <source>Discarded changes are kept for %1 days in %2.</source>
        <translation>Verworfene Änderungen werden %1 Tage in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cheqbook closed unexpectedly while %1 had changes that were not saved.
Do you want to restore them?

%2</source>
        <translation>Cheqbook wurde unerwartet beendet, während %1 nicht gespeicherte Änderungen hatte.
Möchten Sie sie wiederherstellen?

%2</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>%1 was changed, moved or deleted by another program after these changes were made.
Keep the recovered changes in a window of their own? Saving them would replace what is in the file now, and Cheqbook asks before it does.

%2</source>
        <translation>%1 wurde nach diesen Änderungen von einem anderen Programm geändert, verschoben oder gelöscht.
Die wiederhergestellten Änderungen in einem eigenen Fenster behalten? Speichern ersetzte, was jetzt in der Datei steht, und Cheqbook fragt vorher.

%2</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Already Open</source>
        <translation>Bereits geöffnet</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Cheqbook cannot tell whether “%1” is open in another Cheqbook: its lock file %2 cannot be used (%3). Another Cheqbook that opens it will not be warned either.</source>
        <translation>Cheqbook kann nicht feststellen, ob „%1“ in einem anderen Cheqbook geöffnet ist: Seine Sperrdatei %2 ist nicht nutzbar (%3). Ein anderes Cheqbook, das es öffnet, wird ebenfalls nicht gewarnt.</translation>
    </message>
    <message>
        <source>Merge takes them in beside yours, for you to look over before you save.</source>
        <translation>Zusammenführen übernimmt sie neben Ihre, damit Sie sie vor dem Speichern durchsehen.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
</context>
<context>
    <name>DueDialog</name>
    <message>
        <source>, once</source>
        <translation>, einmal</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n-mal</numerusform>
            <numerusform>, %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, bis %1</translation>
    </message>
    <message>
        <source>Scheduled Transactions</source>
        <translation>Geplante Buchungen</translation>
    </message>
    <message>
        <source>1 scheduled transaction is due.</source>
        <translation>1 geplante Buchung ist fällig.</translation>
    </message>
    <message numerus="yes">
        <source>%n scheduled transactions are due.</source>
        <translation>
            <numerusform>%n geplante Buchung ist fällig.</numerusform>
            <numerusform>%n geplante Buchungen sind fällig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message>
        <source>Enters the ticked transactions into the register, as one step Undo takes back</source>
        <translation>Trägt die angehakten Buchungen ins Kontobuch ein, als ein Schritt, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
    <message>
        <source>Enters nothing for the ticked transactions; they are not offered again</source>
        <translation>Trägt für die angehakten Buchungen nichts ein; sie werden nicht wieder angeboten</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Offers them again in an hour, and when the register is next opened</source>
        <translation>Bietet sie in einer Stunde und beim nächsten Öffnen des Kontobuchs wieder an</translation>
    </message>
</context>
<context>
    <name>EOMDrawer</name>
    <message>
        <source>Balance Month</source>
        <translation>Monat abgleichen</translation>
    </message>
    <message>
        <source>The bank&apos;s statement</source>
        <translation>Der Kontoauszug der Bank</translation>
    </message>
    <message>
        <source>&amp;Closing date</source>
        <translation>&amp;Stichtag</translation>
    </message>
    <message>
        <source>The last day the statement covers; transactions after it are not matched</source>
        <translation>Der letzte Tag, den der Auszug umfasst; spätere Buchungen werden nicht zugeordnet</translation>
    </message>
    <message>
        <source>Endin&amp;g balance</source>
        <translation>Endsa&amp;ldo</translation>
    </message>
    <message>
        <source>The balance the statement ends with</source>
        <translation>Der Saldo, mit dem der Auszug endet</translation>
    </message>
    <message>
        <source>Statement &amp;amount</source>
        <translation>Betrag laut A&amp;uszug</translation>
    </message>
    <message>
        <source>Type each amount on the bank&apos;s statement and press Return</source>
        <translation>Jeden Betrag des Kontoauszugs eingeben und die Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reconciled total</source>
        <translation>Summe abgeglichen</translation>
    </message>
    <message>
        <source>The sum of the reconciled transactions</source>
        <translation>Die Summe der abgeglichenen Buchungen</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>The opening balance and every reconciled transaction: what the bank shows as cleared</source>
        <translation>Der Anfangssaldo und alle abgeglichenen Buchungen: was die Bank als verbucht zeigt</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Saldo laut Auszug</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Show only &amp;uncleared transactions</source>
        <translation>Nur &amp;offene Buchungen zeigen</translation>
    </message>
    <message>
        <source>Hide the reconciled transactions, to tick off what is still outstanding</source>
        <translation>Die abgeglichenen Buchungen ausblenden, um abzuhaken, was noch offen ist</translation>
    </message>
    <message>
        <source>Close the drawer; the marks and the statement stay for next time</source>
        <translation>Die Leiste schließen; die Häkchen und der Auszug bleiben für das nächste Mal</translation>
    </message>
    <message>
        <source>F&amp;inish</source>
        <translation>Abschl&amp;ießen</translation>
    </message>
    <message>
        <source>Record this statement with the transactions it cleared</source>
        <translation>Diesen Auszug mit den von ihm bestätigten Buchungen festhalten</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>user %1</source>
        <translation>Benutzer %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it keeps being replaced</source>
        <translation>sie wird ständig ersetzt</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>Prozess %1 auf %2</translation>
    </message>
</context>
<context>
    <name>Find</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Payee, check number, date or amount</source>
        <translation>Empfänger, Schecknummer, Datum oder Betrag</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Su&amp;chen</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cheqbook &amp;Help</source>
        <translation>Cheqbook-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Cheqbook</source>
        <translation>Ü&amp;ber Cheqbook</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Cheqbook Help</source>
        <translation>Cheqbook-Hilfe</translation>
    </message>
    <message>
        <source># Cheqbook Help

The user guide is missing from this copy of Cheqbook.</source>
        <translation># Cheqbook-Hilfe

Diesem Cheqbook fehlt das Benutzerhandbuch.</translation>
    </message>
</context>
<context>
    <name>ImportDialogs</name>
    <message>
        <source>The statement “%1” could not be imported.

%2</source>
        <translation>Der Kontoauszug „%1“ konnte nicht importiert werden.

%2</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>„%1“ wird gelesen…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>ImportDuplicates</name>
    <message>
        <source>taken as the register’s %1</source>
        <translation>als die des Kontobuchs übernommen: %1</translation>
    </message>
    <message>
        <source>probably already in the register: %1</source>
        <translation>wahrscheinlich schon im Kontobuch: %1</translation>
    </message>
    <message>
        <source>already in the register: %1</source>
        <translation>schon im Kontobuch: %1</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>The file holds %1 accounts: choose the one this register keeps.</source>
        <translation>Die Datei enthält %1 Konten: Wählen Sie das, welches dieses Kontobuch führt.</translation>
    </message>
    <message>
        <source>: choose which column is which.</source>
        <translation>: Wählen Sie, welche Spalte was enthält.</translation>
    </message>
    <message>
        <source>: choose another date column.</source>
        <translation>: Wählen Sie eine andere Datumsspalte.</translation>
    </message>
    <message>
        <source>The dates read both as month/day/year and as day/month/year: choose their order.</source>
        <translation>Die Daten lassen sich als Monat/Tag/Jahr und als Tag/Monat/Jahr lesen: Wählen Sie ihre Reihenfolge.</translation>
    </message>
    <message>
        <source>: choose whether they are money out (a card’s charges) or money in.</source>
        <translation>: Wählen Sie, ob sie Ausgänge (die Belastungen einer Karte) oder Eingänge sind.</translation>
    </message>
    <message>
        <source>1 transaction to add</source>
        <translation>1 Buchung hinzuzufügen</translation>
    </message>
    <message>
        <source>%1 transactions to add</source>
        <translation>%1 Buchungen hinzuzufügen</translation>
    </message>
    <message>
        <source>1 already in the register</source>
        <translation>1 bereits im Kontobuch</translation>
    </message>
    <message>
        <source>%1 already in the register</source>
        <translation>%1 bereits im Kontobuch</translation>
    </message>
    <message>
        <source>1 to mark reconciled</source>
        <translation>1 als abgeglichen zu markieren</translation>
    </message>
    <message>
        <source>%1 to mark reconciled</source>
        <translation>%1 als abgeglichen zu markieren</translation>
    </message>
    <message>
        <source>1 left out for the reason it shows</source>
        <translation>1 ausgelassen aus dem angezeigten Grund</translation>
    </message>
    <message>
        <source>%1 left out for the reasons they show</source>
        <translation>%1 ausgelassen aus den angezeigten Gründen</translation>
    </message>
    <message>
        <source>1 line that is not a transaction</source>
        <translation>1 Zeile, die keine Buchung ist</translation>
    </message>
    <message>
        <source>%1 lines that are not transactions</source>
        <translation>%1 Zeilen, die keine Buchungen sind</translation>
    </message>
    <message>
        <source>1 of them a scheduled transaction</source>
        <translation>davon 1 geplante Buchung</translation>
    </message>
    <message>
        <source>%1 of them scheduled transactions</source>
        <translation>davon %1 geplante Buchungen</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>„%1“ importieren</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>as written (minus is money out)</source>
        <translation>wie geschrieben (Minus ist Ausgang)</translation>
    </message>
    <message>
        <source>money out (a card’s charges)</source>
        <translation>Ausgänge (Belastungen einer Karte)</translation>
    </message>
    <message>
        <source>Decimal comma (-1.234,56)</source>
        <translation>Dezimalkomma (-1.234,56)</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Header line</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Datumsreihenfolge</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Money out</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Money in</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Schecknummer</translation>
    </message>
    <message>
        <source>Debit/credit word</source>
        <translation>Soll/Haben-Wort</translation>
    </message>
    <message>
        <source>Amounts are</source>
        <translation>Beträge sind</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Match All Entered</source>
        <translation>Alle Eingetragenen zuordnen</translation>
    </message>
    <message>
        <source>Take every line that is probably a transaction you entered as that one, and mark it reconciled</source>
        <translation>Jede Zeile, die wahrscheinlich eine von Ihnen eingetragene Buchung ist, als diese übernehmen und sie als abgeglichen markieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>An OFX statement of %1 accounts.</source>
        <translation>Ein OFX-Kontoauszug mit %1 Konten.</translation>
    </message>
    <message>
        <source>An OFX statement.</source>
        <translation>Ein OFX-Kontoauszug.</translation>
    </message>
    <message>
        <source> Its ledger balance is %1 on %2; after the import it is in the balancing panel.</source>
        <translation> Sein Buchsaldo ist %1 am %2; nach dem Import steht er im Abgleichsbereich.</translation>
    </message>
    <message>
        <source>CSV without a header, read as date, amount, -, -, description.</source>
        <translation>CSV ohne Kopfzeile, gelesen als Datum, Betrag, -, -, Beschreibung.</translation>
    </message>
    <message>
        <source>CSV with its header on line %1.</source>
        <translation>CSV mit Kopfzeile in Zeile %1.</translation>
    </message>
    <message>
        <source>CSV without a header, in the layout below.</source>
        <translation>CSV ohne Kopfzeile, im Aufbau unten.</translation>
    </message>
    <message>
        <source> The layout is the one chosen for this bank before.</source>
        <translation> Der Aufbau ist der früher für diese Bank gewählte.</translation>
    </message>
    <message>
        <source>As written</source>
        <translation>Wie geschrieben</translation>
    </message>
    <message>
        <source>The statement&apos;s lines</source>
        <translation>Die Zeilen des Kontoauszugs</translation>
    </message>
    <message>
        <source>Keep as a Rule</source>
        <translation>Als Regel behalten</translation>
    </message>
    <message>
        <source>Keep as a Rule: Description Contains “%1” → %2</source>
        <translation>Als Regel behalten: Beschreibung enthält „%1“ → %2</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Add the line to the register as a new transaction</source>
        <translation>Die Zeile als neue Buchung ins Kontobuch übernehmen</translation>
    </message>
    <message>
        <source>Take the line as the transaction you entered, and mark that one reconciled</source>
        <translation>Die Zeile als die von Ihnen eingetragene Buchung nehmen und diese als abgeglichen markieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Zuordnen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Scheck</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>matched: %1</source>
        <translation>zugeordnet: %1</translation>
    </message>
    <message>
        <source>new; %1</source>
        <translation>neu; %1</translation>
    </message>
    <message>
        <source>the register’s %1</source>
        <translation>die des Kontobuchs: %1</translation>
    </message>
    <message>
        <source>%1 (money out)</source>
        <translation>%1 (Ausgang)</translation>
    </message>
    <message>
        <source>%1 (money in)</source>
        <translation>%1 (Eingang)</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>From the rule: the description matches the pattern “%1”</source>
        <translation>Aus der Regel: Die Beschreibung passt zum Muster „%1“</translation>
    </message>
    <message>
        <source>From the rule: the description contains “%1”</source>
        <translation>Aus der Regel: Die Beschreibung enthält „%1“</translation>
    </message>
    <message>
        <source>From the scheduled transaction “%1”</source>
        <translation>Aus der geplanten Buchung „%1“</translation>
    </message>
    <message>
        <source>Chosen here; right-click to keep it as a rule</source>
        <translation>Hier gewählt; mit Rechtsklick als Regel behalten</translation>
    </message>
    <message>
        <source>No rule fits; double-click to choose a category</source>
        <translation>Keine Regel passt; Doppelklick, um eine Kategorie zu wählen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Enters: %1, %2</source>
        <translation>Trägt ein: %1, %2</translation>
    </message>
    <message>
        <source>The line is the scheduled transaction “%1” of %2: it is added under that name, and that occurrence is not offered again</source>
        <translation>Die Zeile ist die geplante Buchung „%1“ vom %2: Sie wird unter diesem Namen eingetragen, und dieser Termin wird nicht noch einmal angeboten</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>it is larger than 2 GiB, more than Cheqbook reads</source>
        <translation>sie ist größer als 2 GiB, mehr als Cheqbook liest</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>sie ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>sie ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>sie ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it was changed by another program while it was being read; try again</source>
        <translation>ein anderes Programm hat sie beim Lesen geändert; bitte noch einmal versuchen</translation>
    </message>
</context>
<context>
    <name>MergeOffers</name>
    <message>
        <source>A second version of this register was made on another computer.</source>
        <translation>Auf einem anderen Computer wurde eine zweite Fassung dieses Kontobuchs angelegt.</translation>
    </message>
    <message>
        <source>A second version of this register was made on another computer (%1).</source>
        <translation>Auf einem anderen Computer wurde eine zweite Fassung dieses Kontobuchs angelegt (%1).</translation>
    </message>
    <message>
        <source>Merge it?</source>
        <translation>Zusammenführen?</translation>
    </message>
    <message>
        <source>“%1” lies beside it. Merged, it is kept in %2 once you save.</source>
        <translation>„%1“ liegt daneben. Zusammengeführt wird sie beim Sichern nach %2 gelegt.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>“%1” cannot be merged into this register. Nothing was changed.

%2</source>
        <translation>„%1“ kann nicht mit diesem Kontobuch zusammengeführt werden. Nichts wurde geändert.

%2</translation>
    </message>
    <message>
        <source>This register holds everything of “%1” already.</source>
        <translation>Dieses Kontobuch enthält schon alles aus „%1“.</translation>
    </message>
    <message>
        <source>The merged copy “%1” could not be moved into %2; it stays where it is.%3</source>
        <translation>Die zusammengeführte Kopie „%1“ konnte nicht nach %2 verschoben werden; sie bleibt, wo sie ist.%3</translation>
    </message>
    <message>
        <source>The version of “%1” on disk cannot be merged into this window’s. Nothing was changed.

%2</source>
        <translation>Die Fassung von „%1“ auf dem Datenträger kann nicht mit der dieses Fensters zusammengeführt werden. Nichts wurde geändert.

%2</translation>
    </message>
</context>
<context>
    <name>MyDocument</name>
    <message>
        <source>New transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Check &amp;#</source>
        <translation>Scheck-&amp;Nr.</translation>
    </message>
    <message>
        <source>Descri&amp;ption</source>
        <translation>B&amp;eschreibung</translation>
    </message>
    <message>
        <source>Da&amp;te</source>
        <translation>Da&amp;tum</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>Betra&amp;g</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The check&apos;s number; leave it empty for a card payment or a deposit</source>
        <translation>Die Nummer des Schecks; leer lassen bei Kartenzahlung oder Einzahlung</translation>
    </message>
    <message>
        <source>Payee or description</source>
        <translation>Empfänger oder Beschreibung</translation>
    </message>
    <message>
        <source>Negative for money going out, positive for a deposit</source>
        <translation>Negativ für Ausgaben, positiv für Einzahlungen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Add the transaction at the end of the register (Return)</source>
        <translation>Die Buchung am Ende des Kontobuchs eintragen (Eingabetaste)</translation>
    </message>
    <message>
        <source>A register begins with its opening balance: type the balance the account holds on the day you start, with that day&apos;s date, and press Return. Every transaction after it is added to it.</source>
        <translation>Ein Kontobuch beginnt mit dem Anfangssaldo: Geben Sie den Kontostand am ersten Tag mit dessen Datum ein und drücken Sie die Eingabetaste. Jede weitere Buchung wird dazugerechnet.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>No file was given.</source>
        <translation>Es wurde keine Datei angegeben.</translation>
    </message>
    <message>
        <source>%1 could not be written: the document holds no register.</source>
        <translation>%1 konnte nicht geschrieben werden: Das Dokument enthält kein Kontobuch.</translation>
    </message>
    <message>
        <source>The register has never been saved.</source>
        <translation>Das Kontobuch wurde noch nie gespeichert.</translation>
    </message>
    <message>
        <source>Categ&amp;ory</source>
        <translation>Kateg&amp;orie</translation>
    </message>
    <message>
        <source>Where the money went, like Food:Groceries; a payee entered before brings the category it had</source>
        <translation>Wofür das Geld ausgegeben wurde, etwa Lebensmittel:Einkauf; ein schon einmal eingetragener Empfänger bringt seine Kategorie mit</translation>
    </message>
</context>
<context>
    <name>MyWindowController</name>
    <message>
        <source>Insert Bef&amp;ore Selected Row</source>
        <translation>Vor markierter Zeile ein&amp;fügen</translation>
    </message>
    <message>
        <source>Puts the transaction above the selected row; above the first row, it becomes the opening balance</source>
        <translation>Setzt die Buchung über die markierte Zeile; über der ersten Zeile wird sie zum Anfangssaldo</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Payee or description</source>
        <translation>Empfänger oder Beschreibung</translation>
    </message>
    <message>
        <source>The balance of the account on the day the register starts</source>
        <translation>Der Kontostand am Tag, mit dem das Kontobuch beginnt</translation>
    </message>
    <message>
        <source>Negative for money going out, positive for a deposit</source>
        <translation>Negativ für Ausgaben, positiv für Einzahlungen</translation>
    </message>
    <message>
        <source>“%1” is not an amount; the cell keeps what it held.</source>
        <translation>„%1“ ist kein Betrag; die Zelle behält ihren Inhalt.</translation>
    </message>
    <message>
        <source>As powerful a computer as I am, I can&apos;t read your mind.
Please select a row to enter this above!</source>
        <translation>So leistungsfähig ich als Computer auch bin, Gedanken lesen kann ich nicht.
Bitte markieren Sie die Zeile, über der die Buchung stehen soll!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Show &amp;All Transactions</source>
        <translation>&amp;Alle Buchungen zeigen</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>Sorting by date…</source>
        <translation>Nach Datum sortieren…</translation>
    </message>
    <message>
        <source>The register was not sorted.

%1</source>
        <translation>Das Kontobuch wurde nicht sortiert.

%1</translation>
    </message>
    <message>
        <source>+ and − step a day, T is today</source>
        <translation>+ und − gehen einen Tag weiter, T ist heute</translation>
    </message>
    <message>
        <source>%1; + and − step the number</source>
        <translation>%1; + und − zählen die Nummer weiter</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Keep “%1” as typed?

Cheqbook cannot read it as a date, so the date sort and the charts will not know where it belongs. It reads dates like %2.</source>
        <translation>„%1“ so übernehmen, wie es eingegeben ist?

Cheqbook kann es nicht als Datum lesen; das Sortieren nach Datum und die Diagramme wissen dann nicht, wohin es gehört. Cheqbook liest Daten wie %2.</translation>
    </message>
    <message>
        <source>Keep as Typed</source>
        <translation>So übernehmen</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Cheqbook does not read “%1” as a date. It reads dates like %2.</source>
        <translation>Cheqbook liest „%1“ nicht als Datum. Es liest Daten wie %2.</translation>
    </message>
    <message>
        <source>Text in any column</source>
        <translation>Text in einer beliebigen Spalte</translation>
    </message>
    <message>
        <source>Shows only the transactions with this text in any column (Ctrl+Shift+F; Escape shows every transaction again)</source>
        <translation>Zeigt nur die Buchungen mit diesem Text in einer Spalte (Strg+Umschalt+F; Esc zeigt wieder alle Buchungen)</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Not reconciled</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Dates &amp;between</source>
        <translation>Datum &amp;von</translation>
    </message>
    <message>
        <source>and</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erstes</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letztes</translation>
    </message>
    <message>
        <source>Leave empty for no limit</source>
        <translation>Leer lassen für keine Grenze</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The filter was cleared to show the transaction found.</source>
        <translation>Der Filter wurde aufgehoben, um die gefundene Buchung zu zeigen.</translation>
    </message>
    <message>
        <source>This text is %L1 characters long, more than a cell can edit (%L2 at most).
The register keeps all of it.</source>
        <translation>Dieser Text ist %L1 Zeichen lang, mehr als eine Zelle bearbeiten kann (höchstens %L2).
Das Kontobuch behält ihn ganz.</translation>
    </message>
    <message>
        <source>To change a cell, double-click it or press F2 or Return; Tab goes to the entry fields.</source>
        <translation>Um eine Zelle zu ändern, doppelklicken Sie sie oder drücken F2 oder die Eingabetaste; Tab führt zu den Eingabefeldern.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Statement…</source>
        <translation>Kontoauszug &amp;importieren…</translation>
    </message>
    <message>
        <source>New &amp;Year…</source>
        <translation>Neues &amp;Jahr…</translation>
    </message>
    <message>
        <source>Print Previe&amp;w…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print Reconci&amp;liation…</source>
        <translation>Abgl&amp;eich drucken…</translation>
    </message>
    <message>
        <source>Export Reconciliation P&amp;DF…</source>
        <translation>Abgleich als PDF e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Kontobuch</translation>
    </message>
    <message>
        <source>&amp;Insert After Selected Row</source>
        <translation>Nach markierter Zeile &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Transaction</source>
        <translation>Buchung &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Sort by Date</source>
        <translation>Nach &amp;Datum sortieren</translation>
    </message>
    <message>
        <source>&amp;Balance Month…</source>
        <translation>Monat &amp;abgleichen…</translation>
    </message>
    <message>
        <source>Change Anyway</source>
        <translation>Trotzdem ändern</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <extracomment>The name of an undo step: &quot;Edit Amount&quot; is undone by &quot;Undo Edit Amount&quot;.</extracomment>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>The change was not made.

%1</source>
        <translation>Die Änderung wurde nicht vorgenommen.

%1</translation>
    </message>
    <message>
        <source>Register</source>
        <extracomment>The name a register not yet saved is printed under.</extracomment>
        <translation>Kontobuch</translation>
    </message>
    <message>
        <source>Printing “%1”…</source>
        <translation>„%1“ wird gedruckt…</translation>
    </message>
    <message>
        <source>The register could not be printed: the printer refused it.</source>
        <translation>Das Kontobuch konnte nicht gedruckt werden: Der Drucker hat es abgelehnt.</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF cannot replace the register itself.
Please choose another name!</source>
        <translation>Das PDF kann nicht das Kontobuch selbst ersetzen.
Bitte wählen Sie einen anderen Namen!</translation>
    </message>
    <message>
        <source>Register.pdf</source>
        <translation>Kontobuch.pdf</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Exporting “%1”…</source>
        <translation>„%1“ wird exportiert…</translation>
    </message>
    <message>
        <source>The register could not be exported.

%1</source>
        <translation>Das Kontobuch konnte nicht exportiert werden.

%1</translation>
    </message>
    <message>
        <source>As powerful a computer as I am, I can&apos;t read your mind.
Please select a row to be deleted!</source>
        <translation>So leistungsfähig ich als Computer auch bin, Gedanken lesen kann ich nicht.
Bitte markieren Sie die Zeile, die gelöscht werden soll!</translation>
    </message>
    <message>
        <source>I con only delete one row at a time.
Please select only one row to delete!</source>
        <translation>Ich kann nur eine Zeile auf einmal löschen.
Bitte markieren Sie nur eine Zeile zum Löschen!</translation>
    </message>
    <message>
        <source>I can&apos;t delete what you started out with,
that would be silly!</source>
        <translation>Womit Sie angefangen haben, kann ich nicht löschen,
das wäre albern!</translation>
    </message>
    <message>
        <source>Delete Anyway</source>
        <translation>Trotzdem löschen</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>The transaction was not deleted.

%1</source>
        <translation>Die Buchung wurde nicht gelöscht.

%1</translation>
    </message>
    <message>
        <source>%1 (%2 to undo)</source>
        <translation>%1 (%2 macht es rückgängig)</translation>
    </message>
    <message>
        <source>Deleted “%1”</source>
        <translation>„%1“ gelöscht</translation>
    </message>
    <message>
        <source>Deleted Transaction</source>
        <translation>Buchung gelöscht</translation>
    </message>
    <message>
        <source>“%1” is more than I can keep track of.
Please enter an amount under 90 trillion!</source>
        <translation>„%1“ ist mehr, als ich im Blick behalten kann.
Bitte geben Sie einen Betrag unter 90 Billionen ein!</translation>
    </message>
    <message>
        <source>“%1” is not an amount.
Please enter the transaction amount as a number, like 12.34 for a deposit or -12.34 for a payment!</source>
        <translation>„%1“ ist kein Betrag.
Bitte geben Sie den Betrag der Buchung als Zahl ein, etwa 12,34 für eine Einzahlung oder -12,34 für eine Zahlung!</translation>
    </message>
    <message>
        <source>Boing</source>
        <translation>Boing</translation>
    </message>
    <message>
        <source>You paid how much for that Easter Egg?</source>
        <translation>So viel haben Sie für das Osterei bezahlt?</translation>
    </message>
    <message>
        <source>I can&apos;t make something from nothing.
Please enter the transaction amount!</source>
        <translation>Aus nichts kann ich nichts machen.
Bitte geben Sie den Betrag der Buchung ein!</translation>
    </message>
    <message>
        <source>As powerful a computer as I am, I can&apos;t read your mind.
Please select a row to enter this below!</source>
        <translation>So leistungsfähig ich als Computer auch bin, Gedanken lesen kann ich nicht.
Bitte markieren Sie die Zeile, unter der die Buchung stehen soll!</translation>
    </message>
    <message>
        <source>Enter “%1”</source>
        <translation>„%1“ eintragen</translation>
    </message>
    <message>
        <source>Enter Transaction</source>
        <translation>Buchung eintragen</translation>
    </message>
    <message>
        <source>Insert “%1”</source>
        <translation>„%1“ einfügen</translation>
    </message>
    <message>
        <source>Insert Transaction</source>
        <translation>Buchung einfügen</translation>
    </message>
    <message>
        <source>The transaction was not entered.

%1</source>
        <translation>Die Buchung wurde nicht eingetragen.

%1</translation>
    </message>
    <message>
        <source>The transaction was entered; the filter hides it (Escape in the filter shows every row).</source>
        <translation>Die Buchung wurde eingetragen; der Filter blendet sie aus (Esc im Filter zeigt alle Zeilen).</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Wieder&amp;holen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;holen</translation>
    </message>
    <message>
        <source>Taking its mark away takes it out of that statement and out of the cleared balance, so the register no longer agrees with the bank.</source>
        <translation>Die Markierung zu entfernen nimmt sie aus diesem Kontoauszug und aus dem bestätigten Saldo; das Kontobuch stimmt dann nicht mehr mit der Bank überein.</translation>
    </message>
    <message>
        <source>Changing its amount changes the cleared balance, so the register no longer agrees with the bank.</source>
        <translation>Eine Änderung ihres Betrags ändert den bestätigten Saldo; das Kontobuch stimmt dann nicht mehr mit der Bank überein.</translation>
    </message>
    <message>
        <source>Changing its date can take it out of the statement it cleared, so the register no longer agrees with the bank.</source>
        <translation>Eine Änderung ihres Datums kann sie aus dem Kontoauszug nehmen, mit dem sie abgeglichen wurde; das Kontobuch stimmt dann nicht mehr mit der Bank überein.</translation>
    </message>
    <message>
        <source>reconciliation</source>
        <comment>a file name: the register&apos;s name, this, and the statement&apos;s date</comment>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Deleting it takes its amount out of the cleared balance, so the register no longer agrees with the bank. Edit &gt; Undo puts it back.</source>
        <translation>Das Löschen nimmt ihren Betrag aus dem bestätigten Saldo; das Kontobuch stimmt dann nicht mehr mit der Bank überein. Bearbeiten &gt; Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>Last statement: %1, ending balance %2</source>
        <translation>Letzter Kontoauszug: %1, Endsaldo %2</translation>
    </message>
    <message>
        <source>The closing date “%1” is not a date Cheqbook reads, like %2.</source>
        <translation>Der Stichtag „%1“ ist kein Datum, das Cheqbook liest, etwa %2.</translation>
    </message>
    <message>
        <source>The ending balance: %1.</source>
        <translation>Der Endsaldo: %1.</translation>
    </message>
    <message>
        <source>The register agrees with the statement</source>
        <translation>Das Kontobuch stimmt mit dem Kontoauszug überein</translation>
    </message>
    <message>
        <source>The statement&apos;s balance minus the cleared balance</source>
        <translation>Saldo laut Auszug minus bestätigter Saldo</translation>
    </message>
    <message>
        <source>Unreconcile Anyway</source>
        <translation>Trotzdem Abgleich aufheben</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Abgeglichene Buchung</translation>
    </message>
    <message>
        <source>This transaction was reconciled with a statement. </source>
        <translation>Diese Buchung wurde mit einem Kontoauszug abgeglichen. </translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Abschließen</translation>
    </message>
    <message>
        <source>Type the statement&apos;s closing date and ending balance first.</source>
        <translation>Geben Sie zuerst Stichtag und Endsaldo des Kontoauszugs ein.</translation>
    </message>
    <message>
        <source>The register is %1 away from the statement.</source>
        <translation>Das Kontobuch weicht um %1 vom Kontoauszug ab.</translation>
    </message>
    <message>
        <source>Finish Anyway</source>
        <translation>Trotzdem abschließen</translation>
    </message>
    <message>
        <source>No transaction was reconciled since the last statement, so there is nothing to record.</source>
        <translation>Seit dem letzten Kontoauszug wurde keine Buchung abgeglichen; es gibt nichts festzuhalten.</translation>
    </message>
    <message>
        <source>The statement of %1 is finished: 1 transaction reconciled with it.</source>
        <translation>Der Kontoauszug vom %1 ist abgeschlossen: 1 Buchung damit abgeglichen.</translation>
    </message>
    <message numerus="yes">
        <source>The statement of %1 is finished: %n transactions reconciled with it.</source>
        <translation>
            <numerusform>Der Kontoauszug vom %1 ist abgeschlossen: %n Buchung damit abgeglichen.</numerusform>
            <numerusform>Der Kontoauszug vom %1 ist abgeschlossen: %n Buchungen damit abgeglichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawing the charts…</source>
        <translation>Die Diagramme werden gezeichnet…</translation>
    </message>
    <message>
        <source>Charts — %1</source>
        <translation>Diagramme — %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save Charts</source>
        <translation>Diagramme speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The charts could not be drawn as a picture.</source>
        <translation>Die Diagramme konnten nicht als Bild gezeichnet werden.</translation>
    </message>
    <message>
        <source>The charts could not be saved.

%1</source>
        <translation>Die Diagramme konnten nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>The charts could not be printed: the printer could not be used.</source>
        <translation>Die Diagramme konnten nicht gedruckt werden: Der Drucker ließ sich nicht verwenden.</translation>
    </message>
    <message>
        <source>The charts could not be printed: the printer did not take them.</source>
        <translation>Die Diagramme konnten nicht gedruckt werden: Der Drucker hat sie nicht angenommen.</translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>There is no statement to report on yet. Balance a month against the bank&apos;s statement first (Register &gt; Balance Month), typing its closing date and ending balance.</source>
        <translation>Es gibt noch keinen Kontoauszug für einen Bericht. Gleichen Sie zuerst einen Monat mit dem Kontoauszug der Bank ab (Kontobuch &gt; Monat abgleichen) und geben Sie Stichtag und Endsaldo ein.</translation>
    </message>
    <message>
        <source>Export Reconciliation PDF</source>
        <translation>Abgleich als PDF exportieren</translation>
    </message>
    <message>
        <source>The reconciliation could not be exported.

%1</source>
        <translation>Der Abgleich konnte nicht exportiert werden.

%1</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
    <message>
        <source>Bank statements (*.csv *.CSV *.ofx *.OFX *.qfx *.QFX *.txt *.TXT);;All files (*)</source>
        <translation>Kontoauszüge (*.csv *.CSV *.ofx *.OFX *.qfx *.QFX *.txt *.TXT);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The statement&apos;s ledger balance is in the balancing panel (Register ▸ Balance Month).</source>
        <translation>Der Buchsaldo des Kontoauszugs steht im Abgleichsbereich (Kontobuch ▸ Monat abgleichen).</translation>
    </message>
    <message>
        <source>New Year</source>
        <translation>Neues Jahr</translation>
    </message>
    <message>
        <source>Registers (*.ldgr)</source>
        <translation>Kontobücher (*.ldgr)</translation>
    </message>
    <message>
        <source>The new year&apos;s register cannot replace this one.
Please choose another name!</source>
        <translation>Das Kontobuch des neuen Jahres kann dieses nicht ersetzen.
Bitte wählen Sie einen anderen Namen!</translation>
    </message>
    <message>
        <source>The new year&apos;s register could not be written.

%1</source>
        <translation>Das Kontobuch des neuen Jahres konnte nicht geschrieben werden.

%1</translation>
    </message>
    <message>
        <source>Print &amp;Checks…</source>
        <translation>&amp;Schecks drucken…</translation>
    </message>
    <message>
        <source>Prints the selected checks, or every check marked to print, on check stock</source>
        <translation>Druckt die markierten Schecks oder alle zum Drucken vorgemerkten auf Scheckvordrucke</translation>
    </message>
    <message>
        <source>E&amp;xport Checks PDF…</source>
        <translation>Schecks als PDF e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Mark to Print</source>
        <translation>Zum Drucken &amp;vormerken</translation>
    </message>
    <message>
        <source>Puts a P in the Check # of the selected checks: they get their numbers when printed</source>
        <translation>Setzt ein P in die Scheck-Nr. der markierten Schecks: Sie erhalten ihre Nummern beim Drucken</translation>
    </message>
    <message>
        <source>Payee &amp;Address…</source>
        <translation>Adresse des Em&amp;pfängers…</translation>
    </message>
    <message>
        <source>The address printed on checks under the selected transaction&apos;s payee</source>
        <translation>Die Adresse, die auf Schecks unter dem Empfänger der markierten Buchung gedruckt wird</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Letztes Datum</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Fit C&amp;olumns</source>
        <translation>&amp;Spalten anpassen</translation>
    </message>
    <message>
        <source>A split transaction&apos;s categories are those of its lines: Register &gt; Split Transaction changes them.</source>
        <translation>Die Kategorien einer aufgeteilten Buchung sind die ihrer Zeilen: Kontobuch &gt; Buchung aufteilen ändert sie.</translation>
    </message>
    <message>
        <source>Select the one transaction to repeat.</source>
        <translation>Wählen Sie die eine Buchung, die sich wiederholen soll.</translation>
    </message>
    <message>
        <source>Sc&amp;hedules</source>
        <translation>&amp;Zeitpläne</translation>
    </message>
    <message>
        <source>&amp;Schedules…</source>
        <translation>&amp;Zeitpläne…</translation>
    </message>
    <message>
        <source>&amp;New Schedule…</source>
        <translation>&amp;Neuer Zeitplan…</translation>
    </message>
    <message>
        <source>A schedule of the transaction in the entry fields</source>
        <translation>Ein Zeitplan der Buchung in den Eingabefeldern</translation>
    </message>
    <message>
        <source>&amp;Repeat…</source>
        <translation>&amp;Wiederholen…</translation>
    </message>
    <message>
        <source>A schedule repeating the selected transaction</source>
        <translation>Ein Zeitplan, der die gewählte Buchung wiederholt</translation>
    </message>
    <message>
        <source>&amp;Enter Due Transactions…</source>
        <translation>Fällige Buchungen &amp;eintragen…</translation>
    </message>
    <message>
        <source>Su&amp;ggest…</source>
        <translation>&amp;Vorschlagen…</translation>
    </message>
    <message>
        <source>Payees the register shows coming round regularly, proposed as schedules</source>
        <translation>Empfänger, die im Kontobuch regelmäßig wiederkehren, als Zeitpläne vorgeschlagen</translation>
    </message>
    <message>
        <source>Set Reser&amp;ve…</source>
        <translation>&amp;Reserve festlegen…</translation>
    </message>
    <message>
        <source>Merge Another Version</source>
        <translation>Andere Fassung zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Merge Another Version…</source>
        <translation>Andere Fassung zusa&amp;mmenführen…</translation>
    </message>
    <message>
        <source>any</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>A category shows its subcategories too, and a split transaction by its lines</source>
        <translation>Eine Kategorie zeigt auch ihre Unterkategorien, und eine aufgeteilte Buchung nach ihren Zeilen</translation>
    </message>
    <message>
        <source>Categor&amp;y:</source>
        <translation>Kategor&amp;ie:</translation>
    </message>
    <message>
        <source>Spending by &amp;Category</source>
        <translation>Ausgaben nach &amp;Kategorie</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Number checks automatically</source>
        <translation>Schecks automatisch &amp;nummerieren</translation>
    </message>
    <message>
        <source>Propose the next check number after each entry</source>
        <translation>Nach jeder Buchung die nächste Schecknummer vorschlagen</translation>
    </message>
    <message>
        <source>After each entry, the Check # field proposes one more than the last check number in the register.</source>
        <translation>Nach jeder Buchung schlägt das Feld Scheck-Nr. die letzte Schecknummer des Kontobuchs plus eins vor.</translation>
    </message>
    <message>
        <source>&amp;Reopen the registers that were open when Cheqbook last quit</source>
        <translation>Beim Start die Kontobücher &amp;wieder öffnen, die beim letzten Beenden offen waren</translation>
    </message>
    <message>
        <source>At start, open again the registers open when Cheqbook quit</source>
        <translation>Beim Start die beim Beenden offenen Kontobücher wieder öffnen</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>&amp;Datumsformat:</translation>
    </message>
    <message>
        <source>The order in which dates are typed and shown; register files keep month/day/year</source>
        <translation>Die Reihenfolge, in der Daten eingegeben und gezeigt werden; Kontobuchdateien behalten Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>month/day/year (12/31/2026)</source>
        <translation>Monat/Tag/Jahr (12/31/2026)</translation>
    </message>
    <message>
        <source>day/month/year (31/12/2026)</source>
        <translation>Tag/Monat/Jahr (31/12/2026)</translation>
    </message>
    <message>
        <source>year-month-day (2026-12-31)</source>
        <translation>Jahr-Monat-Tag (2026-12-31)</translation>
    </message>
    <message>
        <source>Decimal &amp;separator:</source>
        <translation>Dezimal&amp;trennzeichen:</translation>
    </message>
    <message>
        <source>How amounts are shown; either is read when typed, and register files keep a point</source>
        <translation>Wie Beträge gezeigt werden; eingegeben wird beides gelesen, und Kontobuchdateien behalten den Punkt</translation>
    </message>
    <message>
        <source>point (1234.56)</source>
        <translation>Punkt (1234.56)</translation>
    </message>
    <message>
        <source>comma (1234,56)</source>
        <translation>Komma (1234,56)</translation>
    </message>
    <message>
        <source>A new &amp;transaction&apos;s date:</source>
        <translation>Datum einer neuen &amp;Buchung:</translation>
    </message>
    <message>
        <source>What the Date field holds after each entry</source>
        <translation>Was das Feld Datum nach jeder Buchung enthält</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>the date of the last one entered</source>
        <translation>das Datum der zuletzt eingetragenen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrintedRegister</name>
    <message>
        <source>%1 could not be written: the report could not be laid out for printing</source>
        <translation>%1 konnte nicht geschrieben werden: Der Bericht ließ sich nicht für den Druck anordnen</translation>
    </message>
</context>
<context>
    <name>Reconciliation</name>
    <message>
        <source>That amount is dated after the closing date: row %1%2, %3</source>
        <translation>Dieser Betrag ist nach dem Stichtag datiert: Zeile %1%2, %3</translation>
    </message>
    <message>
        <source>Type an amount from the statement, like -12.34</source>
        <translation>Geben Sie einen Betrag aus dem Kontoauszug ein, etwa -12,34</translation>
    </message>
    <message>
        <source>“%1” is more than I can keep track of</source>
        <translation>„%1“ ist mehr, als ich verwalten kann</translation>
    </message>
    <message>
        <source>“%1” is not an amount</source>
        <translation>„%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Unreconcile</source>
        <translation>Abgleich aufheben</translation>
    </message>
    <message>
        <source>Finish Statement of %1</source>
        <translation>Kontoauszug vom %1 abschließen</translation>
    </message>
    <message>
        <source>Balancing of the checkbook has begun</source>
        <translation>Der Abgleich des Kontobuchs hat begonnen</translation>
    </message>
    <message>
        <source>Hey, like this program? Why not send the guy who made it a
 couple of those bucks it keeps track of as a Thanks?</source>
        <translation>Hey, gefällt Ihnen dieses Programm? Warum schicken Sie dem, der es geschrieben hat, nicht
 ein paar der Euro, die es verwaltet, als Dankeschön?</translation>
    </message>
    <message>
        <source>That amount was not found as a transaction</source>
        <translation>Dieser Betrag wurde als Buchung nicht gefunden</translation>
    </message>
    <message>
        <source>                                      Bye!</source>
        <translation>                                      Tschüss!</translation>
    </message>
</context>
<context>
    <name>ReconciliationReport</name>
    <message>
        <source>Statement with no closing date given: every transaction counts
</source>
        <translation>Kontoauszug ohne Stichtag: Jede Buchung zählt
</translation>
    </message>
    <message>
        <source>Opening balance %1%2, cleared as the balance the bank held
</source>
        <translation>Anfangssaldo %1%2, bestätigt als der Saldo, den die Bank führte
</translation>
    </message>
    <message>
        <source>  (none)
</source>
        <translation>  (keine)
</translation>
    </message>
    <message>
        <source>Date       | Check #  | Description                          |       Amount
</source>
        <translation>Datum      | Scheck   | Beschreibung                         |       Betrag
</translation>
    </message>
    <message>
        <source>Reconciliation of %1
</source>
        <translation>Abgleich von %1
</translation>
    </message>
    <message>
        <source>Statement of %1
</source>
        <translation>Kontoauszug vom %1
</translation>
    </message>
    <message>
        <source>As the register stands, with no statement
</source>
        <translation>Stand des Kontobuchs, ohne Kontoauszug
</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Saldo laut Auszug</translation>
    </message>
    <message>
        <source>Previous cleared balance (%1)</source>
        <translation>Vorheriger bestätigter Saldo (%1)</translation>
    </message>
    <message>
        <source>Previous cleared balance (opening)</source>
        <translation>Vorheriger bestätigter Saldo (Anfang)</translation>
    </message>
    <message>
        <source>Deposits cleared (%1)</source>
        <translation>Bestätigte Eingänge (%1)</translation>
    </message>
    <message>
        <source>Withdrawals cleared (%1)</source>
        <translation>Bestätigte Ausgänge (%1)</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Outstanding (%1)</source>
        <translation>Offen (%1)</translation>
    </message>
    <message>
        <source>Register balance</source>
        <translation>Saldo des Kontobuchs</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Cleared by this statement (%1)</source>
        <translation>Mit diesem Kontoauszug bestätigt (%1)</translation>
    </message>
    <message>
        <source>Outstanding on %1 (%2)</source>
        <translation>Offen am %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>the folder %1 cannot be made private: %2</source>
        <translation>der Ordner %1 kann nicht privat gemacht werden: %2</translation>
    </message>
    <message>
        <source>it is not a recovery copy</source>
        <translation>sie ist keine Wiederherstellungskopie</translation>
    </message>
    <message>
        <source>its second line does not describe the register file</source>
        <translation>ihre zweite Zeile beschreibt nicht die Kontobuchdatei</translation>
    </message>
    <message>
        <source>the recovery folder %1 cannot be used: %2</source>
        <translation>der Wiederherstellungsordner %1 ist nicht nutzbar: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept: %2</source>
        <translation>%1 konnte nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>%1 konnte nicht nach %2 verschoben werden: %3</translation>
    </message>
</context>
<context>
    <name>Recurrence</name>
    <message>
        <source>it has no start date</source>
        <translation>er hat kein Anfangsdatum</translation>
    </message>
    <message>
        <source>it must come round every 1 to %1 periods</source>
        <translation>er muss alle 1 bis %1 Zeiträume wiederkehren</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>der Tag des Monats muss 1 bis 31 sein</translation>
    </message>
    <message>
        <source>the weekday of the month must be the first to the fourth or the last of a weekday</source>
        <translation>der Wochentag des Monats muss der erste bis vierte oder der letzte eines Wochentags sein</translation>
    </message>
    <message>
        <source>it must end after at least 1 time</source>
        <translation>er muss nach mindestens 1 Mal enden</translation>
    </message>
    <message>
        <source>it has no end date</source>
        <translation>er hat kein Enddatum</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>the last day</source>
        <translation>letzten Tag</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <comment>the second Tuesday</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>täglich</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>jeden Tag</numerusform>
            <numerusform>alle %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>weekly on %1</source>
        <translation>wöchentlich am %1</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks on %1</source>
        <translation>
            <numerusform>jede Woche am %1</numerusform>
            <numerusform>alle %n Wochen am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>monthly on %1</source>
        <translation>monatlich am %1</translation>
    </message>
    <message numerus="yes">
        <source>every %n months on %1</source>
        <translation>
            <numerusform>jeden Monat am %1</numerusform>
            <numerusform>alle %n Monate am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month and day: March 3</comment>
        <translation>%2. %1</translation>
    </message>
    <message>
        <source>yearly on %1</source>
        <translation>jährlich am %1</translation>
    </message>
    <message numerus="yes">
        <source>every %n years on %1</source>
        <translation>
            <numerusform>jedes Jahr am %1</numerusform>
            <numerusform>alle %n Jahre am %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterFigures</name>
    <message>
        <source>Balance %1 · Cleared %2 · %3 transaction</source>
        <translation>Saldo %1 · Bestätigt %2 · %3 Buchung</translation>
    </message>
    <message numerus="yes">
        <source>Balance %1 · Cleared %2 · %3 transactions</source>
        <translation>
            <numerusform>Saldo %1 · Bestätigt %2 · %3 Buchung</numerusform>
            <numerusform>Saldo %1 · Bestätigt %2 · %3 Buchungen</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1 shown)</source>
        <translation> (%1 gezeigt)</translation>
    </message>
    <message>
        <source>%1 selected: %2</source>
        <translation>%1 markiert: %2</translation>
    </message>
</context>
<context>
    <name>RegisterFile</name>
    <message>
        <source>the file is empty; a register file holds a list of records</source>
        <translation>die Datei ist leer; eine Kontobuchdatei enthält eine Liste von Datensätzen</translation>
    </message>
    <message>
        <source>the file holds a single record, not a list of records</source>
        <translation>die Datei enthält einen einzelnen Datensatz, keine Liste von Datensätzen</translation>
    </message>
    <message>
        <source>the file does not hold a list of records (it should begin with “(”)</source>
        <translation>die Datei enthält keine Liste von Datensätzen (sie sollte mit „(“ beginnen)</translation>
    </message>
    <message>
        <source>the list of records is not closed with “)”</source>
        <translation>die Liste der Datensätze ist nicht mit „)“ abgeschlossen</translation>
    </message>
    <message>
        <source>%1 is not a record (a record begins with “{”)</source>
        <translation>%1 ist kein Datensatz (ein Datensatz beginnt mit „{“)</translation>
    </message>
    <message>
        <source>expected “,” or “)” after %1</source>
        <translation>„,“ oder „)“ nach %1 erwartet</translation>
    </message>
    <message>
        <source>unexpected text after the end of the list</source>
        <translation>unerwarteter Text nach dem Ende der Liste</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a comment is not closed with “*/”</source>
        <translation>ein Kommentar ist nicht mit „*/“ abgeschlossen</translation>
    </message>
    <message>
        <source>%1 is not closed with “}”</source>
        <translation>%1 ist nicht mit „}“ abgeschlossen</translation>
    </message>
    <message>
        <source>expected a key in %1</source>
        <translation>Schlüssel in %1 erwartet</translation>
    </message>
    <message>
        <source>expected “=” after the key %1 in %2</source>
        <translation>„=“ nach dem Schlüssel %1 in %2 erwartet</translation>
    </message>
    <message>
        <source>expected “;” after the value of %1 in %2</source>
        <translation>„;“ nach dem Wert von %1 in %2 erwartet</translation>
    </message>
    <message>
        <source>the value of %1 in %2 is missing</source>
        <translation>der Wert von %1 in %2 fehlt</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>a record</source>
        <translation>ein Datensatz</translation>
    </message>
    <message>
        <source>raw data</source>
        <translation>Rohdaten</translation>
    </message>
    <message>
        <source>the value of %1 in %2 is %3; a record holds only texts and numbers</source>
        <translation>der Wert von %1 in %2 ist %3; ein Datensatz enthält nur Texte und Zahlen</translation>
    </message>
    <message>
        <source>a quoted text is not closed</source>
        <translation>ein Text in Anführungszeichen ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>the escape “\%1” in a quoted text has no hexadecimal character code after it</source>
        <translation>auf das Escape „\%1“ in einem Text in Anführungszeichen folgt kein hexadezimaler Zeichencode</translation>
    </message>
    <message>
        <source>the escape “\%1” in a quoted text is out of range (an octal escape names one byte, \0 to \377)</source>
        <translation>das Escape „\%1“ in einem Text in Anführungszeichen liegt außerhalb des Bereichs (ein oktales Escape steht für ein Byte, \0 bis \377)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A text from the file, quoted in a message.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range (amounts are limited to %4 dollars)</source>
        <translation>%1: der Wert %2 %3 liegt außerhalb des Bereichs (Beträge sind auf %4 Dollar begrenzt)</translation>
    </message>
    <message>
        <source>90 trillion</source>
        <translation>90 Billionen</translation>
    </message>
    <message>
        <source>line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text without the byte-order mark that tells how to read it</source>
        <translation>Zeile %1: die Datei enthält ein NUL-Byte und ist daher kein Text: Sie enthält Binärdaten oder UTF-16-Text ohne die Byte-Order-Markierung, die sagt, wie er zu lesen ist</translation>
    </message>
    <message>
        <source>line %1: the file is neither ASCII nor UTF-8 text</source>
        <translation>Zeile %1: die Datei ist weder ASCII- noch UTF-8-Text</translation>
    </message>
    <message>
        <source>the file is a binary property list, which Cheqbook does not read; save it as text or XML</source>
        <translation>die Datei ist eine binäre Property-List, die Cheqbook nicht liest; speichern Sie sie als Text oder XML</translation>
    </message>
    <message>
        <source>the file is not valid UTF-16 text</source>
        <translation>die Datei ist kein gültiger UTF-16-Text</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the noncharacter %1</source>
        <translation>das Nichtzeichen %1</translation>
    </message>
    <message>
        <source>half of a character (a lone UTF-16 surrogate, %1)</source>
        <translation>ein halbes Zeichen (ein einzelnes UTF-16-Surrogat, %1)</translation>
    </message>
    <message>
        <source>row %1: the %2 holds %3, which the XML form cannot store</source>
        <translation>Eintrag %1: %2 enthält %3, was die XML-Form nicht speichern kann</translation>
    </message>
    <message>
        <source>value under the empty key</source>
        <translation>der Wert unter dem leeren Schlüssel</translation>
    </message>
    <message>
        <source>“&amp;%1;” names an entity the file does not declare, so the text it stands for is not known</source>
        <translation>„&amp;%1;“ nennt eine Entity, die die Datei nicht deklariert; der Text, für den sie steht, ist daher unbekannt</translation>
    </message>
    <message>
        <source>“&amp;%1;” stands for text kept in another file (an external entity), which Cheqbook does not read</source>
        <translation>„&amp;%1;“ steht für Text in einer anderen Datei (eine externe Entity), die Cheqbook nicht liest</translation>
    </message>
    <message>
        <source>line %1: the file holds bytes that are not %2 text, which its XML declaration says it is</source>
        <translation>Zeile %1: die Datei enthält Bytes, die kein %2-Text sind, wie ihre XML-Deklaration angibt</translation>
    </message>
    <message>
        <source>the file holds no property list</source>
        <translation>die Datei enthält keine Property-List</translation>
    </message>
    <message>
        <source>the property list is empty; a register file holds a list of records</source>
        <translation>die Property-List ist leer; eine Kontobuchdatei enthält eine Liste von Datensätzen</translation>
    </message>
    <message>
        <source>the file does not hold a list of records (found &lt;%1&gt;)</source>
        <translation>die Datei enthält keine Liste von Datensätzen (gefunden: &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>%1 is not a record (found &lt;%2&gt;)</source>
        <translation>%1 ist kein Datensatz (gefunden: &lt;%2&gt;)</translation>
    </message>
    <message>
        <source>unexpected &lt;%1&gt; after the list of records</source>
        <translation>unerwartetes &lt;%1&gt; nach der Liste der Datensätze</translation>
    </message>
    <message>
        <source>%1: expected &lt;key&gt;, found &lt;%2&gt;</source>
        <translation>%1: &lt;key&gt; erwartet, &lt;%2&gt; gefunden</translation>
    </message>
    <message>
        <source>%1: the key %2 has no value</source>
        <translation>%1: der Schlüssel %2 hat keinen Wert</translation>
    </message>
    <message>
        <source>%1: the value of %2 is not a number: %3</source>
        <translation>%1: der Wert von %2 ist keine Zahl: %3</translation>
    </message>
    <message>
        <source>a yes/no value</source>
        <translation>ein Ja/Nein-Wert</translation>
    </message>
    <message>
        <source>a date value</source>
        <translation>ein Datumswert</translation>
    </message>
    <message>
        <source>%1: the value of %2 is %3; a record holds only texts and numbers</source>
        <translation>%1: der Wert von %2 ist %3; ein Datensatz enthält nur Texte und Zahlen</translation>
    </message>
    <message>
        <source>line %1: the XML is malformed: %2</source>
        <translation>Zeile %1: das XML ist fehlerhaft: %2</translation>
    </message>
</context>
<context>
    <name>RegisterMerge</name>
    <message>
        <source>%1 is a new year’s register made from %2: a new year’s file is a new register, and is not merged with the year it was made from.</source>
        <translation>%1 ist das Kontobuch eines neuen Jahres, entstanden aus %2: Die Datei eines neuen Jahres ist ein neues Kontobuch und wird nicht mit dem Jahr zusammengeführt, aus dem sie entstand.</translation>
    </message>
    <message>
        <source>%1 and %2 start from different opening rows but hold the same transactions: one is a new year’s register made from the other, and a new year’s file is a new register, not merged with the year it was made from.</source>
        <translation>%1 und %2 beginnen mit verschiedenen Eröffnungszeilen, enthalten aber dieselben Buchungen: Das eine ist das Kontobuch eines neuen Jahres, entstanden aus dem anderen, und die Datei eines neuen Jahres ist ein neues Kontobuch, das nicht mit dem Jahr zusammengeführt wird, aus dem sie entstand.</translation>
    </message>
    <message>
        <source>%1 and %2 are not versions of one register: they have no transaction in common.</source>
        <translation>%1 und %2 sind keine Fassungen desselben Kontobuchs: Sie haben keine Buchung gemeinsam.</translation>
    </message>
</context>
<context>
    <name>RegisterTableModel</name>
    <message>
        <source>The opening balance: the balance the register starts from. Register &gt; Insert Before Selected Row puts a transaction above it.</source>
        <translation>Der Anfangssaldo: der Saldo, mit dem das Kontobuch beginnt. Kontobuch &gt; Vor markierter Zeile einfügen setzt eine Buchung darüber.</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>Scheck-Nr.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reconciled with a bank statement</source>
        <translation>Mit einem Kontoauszug abgeglichen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Check #</source>
        <extracomment>A column title of the printed register: 8 characters at most.</extracomment>
        <translation>Sch.-Nr.</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>A column title of the printed register: 36 characters at most.</extracomment>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>A column title of the printed register: 10 characters at most.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>A column title of the printed register: 9 characters at most.</extracomment>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>A column title of the printed register, the balance after each row.</extracomment>
        <translation>Saldo</translation>
    </message>
</context>
<context>
    <name>Rollover</name>
    <message>
        <source>The register has no transactions, so there is nothing to roll over into a new year.</source>
        <translation>Das Kontobuch hat keine Buchungen; es gibt nichts in ein neues Jahr zu übertragen.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RunningBalance</name>
    <message>
        <source>row %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep track of</source>
        <translation>Eintrag %1: der Saldo danach wäre %2, jenseits der 90 Billionen Dollar, die Cheqbook im Blick behalten kann</translation>
    </message>
    <message>
        <source>row %1: the Amount “%2” is not an amount</source>
        <translation>Zeile %1: Der Betrag „%2“ ist kein Betrag</translation>
    </message>
    <message>
        <source>row %1 holds the balance %2, but the amounts down to it add up to %3</source>
        <translation>Zeile %1 enthält den Saldo %2, aber die Beträge bis dorthin ergeben %3</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>-1200.00 for money out</source>
        <translation>-1200.00 für Ausgaben</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>B&amp;etrag:</translation>
    </message>
    <message>
        <source>Chec&amp;k #:</source>
        <translation>Sche&amp;ck-Nr.:</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>on day</source>
        <translation>am Tag</translation>
    </message>
    <message>
        <source>on the last day</source>
        <translation>am letzten Tag</translation>
    </message>
    <message>
        <source>&amp;Every:</source>
        <translation>&amp;Alle:</translation>
    </message>
    <message>
        <source>&amp;Starting:</source>
        <translation>Ab &amp;dem:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>on</source>
        <translation>am</translation>
    </message>
    <message>
        <source> times</source>
        <translation> Mal</translation>
    </message>
    <message>
        <source>E&amp;nding:</source>
        <translation>E&amp;ndet:</translation>
    </message>
    <message>
        <source>stays on the weekend</source>
        <translation>bleibt am Wochenende</translation>
    </message>
    <message>
        <source>moves to the Friday before</source>
        <translation>rückt auf den Freitag davor</translation>
    </message>
    <message>
        <source>moves to the Monday after</source>
        <translation>rückt auf den Montag danach</translation>
    </message>
    <message>
        <source>On a &amp;weekend it:</source>
        <translation>Am &amp;Wochenende:</translation>
    </message>
    <message>
        <source>The amount varies, b&amp;y up to</source>
        <translation>Der Betrag schwankt, &amp;um bis zu</translation>
    </message>
    <message>
        <source>Enter it when it comes due, without ask&amp;ing</source>
        <translation>Bei Fälligkeit ohne Nach&amp;frage eintragen</translation>
    </message>
    <message>
        <source>The amount “%1” is not an amount of money.</source>
        <translation>Der Betrag „%1“ ist kein Geldbetrag.</translation>
    </message>
    <message>
        <source>The schedule cannot be kept: %1.</source>
        <translation>Der Zeitplan kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>on the</source>
        <comment>on the second Tuesday</comment>
        <translation>am</translation>
    </message>
    <message>
        <source>Week of the month</source>
        <translation>Woche des Monats</translation>
    </message>
    <message>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
</context>
<context>
    <name>ScheduleKeeping</name>
    <message>
        <source>Scheduled transactions ahead; double-click one to change its schedule</source>
        <translation>Kommende geplante Buchungen; ein Doppelklick ändert den Zeitplan</translation>
    </message>
    <message>
        <source>Forecast &amp;30 Days</source>
        <translation>Vorschau &amp;30 Tage</translation>
    </message>
    <message>
        <source>Forecast &amp;60 Days</source>
        <translation>Vorschau &amp;60 Tage</translation>
    </message>
    <message>
        <source>Forecast &amp;90 Days</source>
        <translation>Vorschau &amp;90 Tage</translation>
    </message>
    <message>
        <source>Forecast &amp;Until Next Income</source>
        <translation>Vorschau bis zur nächsten Einn&amp;ahme</translation>
    </message>
    <message>
        <source>%1 (due)</source>
        <translation>%1 (fällig)</translation>
    </message>
    <message>
        <source>Lowest ahead: %1 on %2</source>
        <translation>Tiefster Stand: %1 am %2</translation>
    </message>
    <message>
        <source>Under the register&apos;s reserve of %1</source>
        <translation>Unter der Reserve des Kontobuchs von %1</translation>
    </message>
    <message>
        <source>The lowest the balance goes as scheduled, through %1</source>
        <translation>Der tiefste Saldo nach den Zeitplänen, bis %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Scheduled Transactions</source>
        <translation>Geplante Buchungen</translation>
    </message>
    <message>
        <source>1 scheduled transaction was entered as it came due.</source>
        <translation>1 geplante Buchung wurde bei Fälligkeit eingetragen.</translation>
    </message>
    <message numerus="yes">
        <source>%n scheduled transactions were entered as they came due.</source>
        <translation>
            <numerusform>%n geplante Buchung wurde bei Fälligkeit eingetragen.</numerusform>
            <numerusform>%n geplante Buchungen wurden bei Fälligkeit eingetragen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No scheduled transaction is due.</source>
        <translation>Keine geplante Buchung ist fällig.</translation>
    </message>
    <message>
        <source>New Schedule</source>
        <translation>Neuer Zeitplan</translation>
    </message>
    <message>
        <source>Repeat “%1”</source>
        <translation>„%1“ wiederholen</translation>
    </message>
    <message>
        <source>Change Schedule</source>
        <translation>Zeitplan ändern</translation>
    </message>
    <message>
        <source>Remove Schedule</source>
        <translation>Zeitplan entfernen</translation>
    </message>
    <message>
        <source>Remove the schedule “%1”? The transactions it entered stay in the register.</source>
        <translation>Den Zeitplan „%1“ entfernen? Die Buchungen, die er eingetragen hat, bleiben im Kontobuch.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Suggested Schedule</source>
        <translation>Vorgeschlagenen Zeitplan hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Suggested Schedules</source>
        <translation>
            <numerusform>%n vorgeschlagenen Zeitplan hinzufügen</numerusform>
            <numerusform>%n vorgeschlagene Zeitpläne hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggested Schedules</source>
        <translation>Vorgeschlagene Zeitpläne</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>The balance this register should stay above (“Lowest ahead” turns red under it):</source>
        <translation>Der Saldo, über dem dieses Kontobuch bleiben soll („Tiefster Stand“ wird darunter rot):</translation>
    </message>
    <message>
        <source>“%1” is not an amount of money.</source>
        <translation>„%1“ ist kein Geldbetrag.</translation>
    </message>
</context>
<context>
    <name>ScheduleListDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Zeitpläne</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>How Often</source>
        <translation>Wie oft</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <translation>Än&amp;dern…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>, varying by up to %1%</source>
        <translation>, schwankt um bis zu %1 %</translation>
    </message>
    <message>
        <source>, entered without asking</source>
        <translation>, ohne Nachfrage eingetragen</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>schedule %1 cannot be read: %2</source>
        <translation>Zeitplan %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>the reserve “%1” is not an amount; 0.00 is used</source>
        <translation>die Reserve „%1“ ist kein Betrag; 0.00 gilt</translation>
    </message>
    <message>
        <source>The register has no opening balance yet; schedules are kept with it, so enter it first.</source>
        <translation>Das Kontobuch hat noch keinen Anfangssaldo; Zeitpläne werden bei ihm gespeichert, tragen Sie ihn also zuerst ein.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>Es gibt keinen Zeitplan %1.</translation>
    </message>
    <message>
        <source>The schedule cannot be kept: %1.</source>
        <translation>Der Zeitplan kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Change Schedules</source>
        <translation>Zeitpläne ändern</translation>
    </message>
    <message>
        <source>New Schedule “%1”</source>
        <translation>Neuer Zeitplan „%1“</translation>
    </message>
    <message>
        <source>New Schedule</source>
        <translation>Neuer Zeitplan</translation>
    </message>
    <message>
        <source>Change Schedule “%1”</source>
        <translation>Zeitplan „%1“ ändern</translation>
    </message>
    <message>
        <source>Change Schedule</source>
        <translation>Zeitplan ändern</translation>
    </message>
    <message>
        <source>Remove Schedule “%1”</source>
        <translation>Zeitplan „%1“ entfernen</translation>
    </message>
    <message>
        <source>Remove Schedule</source>
        <translation>Zeitplan entfernen</translation>
    </message>
    <message>
        <source>The reserve is beyond what Cheqbook can keep track of.</source>
        <translation>Die Reserve übersteigt, was Cheqbook verwalten kann.</translation>
    </message>
    <message>
        <source>Set Reserve</source>
        <translation>Reserve festlegen</translation>
    </message>
    <message>
        <source>Enter “%1”</source>
        <translation>„%1“ eintragen</translation>
    </message>
    <message>
        <source>Enter Scheduled Transaction</source>
        <translation>Geplante Buchung eintragen</translation>
    </message>
    <message numerus="yes">
        <source>Enter %n Scheduled Transactions</source>
        <translation>
            <numerusform>%n geplante Buchung eintragen</numerusform>
            <numerusform>%n geplante Buchungen eintragen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was entered: %1</source>
        <translation>Nichts wurde eingetragen: %1</translation>
    </message>
    <message>
        <source>Skip “%1”</source>
        <translation>„%1“ überspringen</translation>
    </message>
    <message>
        <source>Skip Scheduled Transaction</source>
        <translation>Geplante Buchung überspringen</translation>
    </message>
    <message numerus="yes">
        <source>Skip %n Scheduled Transactions</source>
        <translation>
            <numerusform>%n geplante Buchung überspringen</numerusform>
            <numerusform>%n geplante Buchungen überspringen</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times, %2, %3</source>
        <translation>
            <numerusform>%1: %n-mal, %2, %3</numerusform>
            <numerusform>%1: %n-mal, %2, %3</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 “%2” is not a date (YYYY-MM-DD)</source>
        <translation>%1 „%2“ ist kein Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <source>the %1 “%2” is not a number from %3 to %4</source>
        <translation>%1 „%2“ ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>“%1” is not how often it comes round (N day, week, month or year)</source>
        <translation>„%1“ sagt nicht, wie oft er wiederkehrt (N day, week, month oder year)</translation>
    </message>
    <message>
        <source>“%1” is not a day of the month (1 to 31, last, or 2 fri)</source>
        <translation>„%1“ ist kein Tag des Monats (1 bis 31, last oder 2 fri)</translation>
    </message>
    <message>
        <source>“%1” is not a field (name=value)</source>
        <translation>„%1“ ist kein Feld (name=value)</translation>
    </message>
    <message>
        <source>the %1 holds a % that is not followed by two hexadecimal digits</source>
        <translation>%1 enthält ein %, auf das keine zwei Hexadezimalziffern folgen</translation>
    </message>
    <message>
        <source>the amount “%1” is not an amount</source>
        <translation>der Betrag „%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>the weekend rule “%1” is none of keep, before and after</source>
        <translation>die Wochenendregel „%1“ ist keine von keep, before und after</translation>
    </message>
    <message>
        <source>it has no amount</source>
        <translation>er hat keinen Betrag</translation>
    </message>
    <message>
        <source>it does not say how often it comes round</source>
        <translation>er sagt nicht, wie oft er wiederkehrt</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>SortQuestion</name>
    <message>
        <source>Sort by Date</source>
        <translation>Nach Datum sortieren</translation>
    </message>
    <message>
        <source>Sort the register by date?</source>
        <translation>Das Kontobuch nach Datum sortieren?</translation>
    </message>
    <message>
        <source>Every transaction moves into date order, the opening row too, and the balances are worked out again. Transactions on the same day keep their order; those whose date can&apos;t be read go to the end.</source>
        <translation>Jede Buchung rückt in die Reihenfolge ihres Datums, auch die Anfangszeile, und die Salden werden neu berechnet. Buchungen vom selben Tag behalten ihre Reihenfolge; solche mit unlesbarem Datum kommen ans Ende.</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
</context>
<context>
    <name>SpendingChart</name>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>Leave empty for no limit</source>
        <translation>Leer lassen für keine Grenze</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Torte</translation>
    </message>
    <message>
        <source>&amp;Subcategories</source>
        <translation>&amp;Unterkategorien</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(ohne Kategorie)</translation>
    </message>
    <message>
        <source>Spent: %1</source>
        <translation>Ausgegeben: %1</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Drawn as</source>
        <translation>Dargestellt als</translation>
    </message>
    <message>
        <source>Spending by category chart</source>
        <translation>Diagramm der Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Each category&apos;s amount is written under it.</source>
        <translation>Der Betrag jeder Kategorie steht darunter.</translation>
    </message>
</context>
<context>
    <name>SplitDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Amount of the transaction: %1</source>
        <translation>Betrag der Buchung: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>&amp;Add Line</source>
        <translation>Zeile &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation>Zeile &amp;entfernen</translation>
    </message>
    <message>
        <source>Left to assign: %1</source>
        <translation>Noch zuzuordnen: %1</translation>
    </message>
    <message>
        <source>An amount is not one</source>
        <translation>Ein Betrag ist keiner</translation>
    </message>
    <message>
        <source>The amount of line %1, “%2”, is not an amount.</source>
        <translation>Der Betrag von Zeile %1, „%2“, ist kein Betrag.</translation>
    </message>
</context>
<context>
    <name>Splits</name>
    <message>
        <source>a split needs two lines or more; one category is given without one</source>
        <translation>eine Aufteilung braucht zwei Zeilen oder mehr; eine einzelne Kategorie wird ohne Aufteilung vergeben</translation>
    </message>
    <message>
        <source>a split has at most %1 lines</source>
        <translation>eine Aufteilung hat höchstens %1 Zeilen</translation>
    </message>
    <message>
        <source>line %1 of the split has no amount</source>
        <translation>Zeile %1 der Aufteilung hat keinen Betrag</translation>
    </message>
    <message>
        <source>the amount of line %1 of the split is beyond what money can hold</source>
        <translation>der Betrag von Zeile %1 der Aufteilung übersteigt, was ein Geldbetrag fassen kann</translation>
    </message>
    <message>
        <source>the lines of the split add up to %1, not to the transaction&apos;s %2: %3 is left to assign</source>
        <translation>die Zeilen der Aufteilung ergeben %1, nicht den Betrag der Buchung von %2: %3 ist noch zuzuordnen</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>can’t tell money out from money in: the “%1” field is empty</source>
        <translation>Ausgang und Eingang lassen sich nicht unterscheiden: Das Feld „%1“ ist leer</translation>
    </message>
    <message>
        <source>can’t tell money out from money in: “%1”</source>
        <translation>Ausgang und Eingang lassen sich nicht unterscheiden: „%1“</translation>
    </message>
    <message>
        <source>the money out and money in fields are both empty</source>
        <translation>die Felder für Ausgang und Eingang sind beide leer</translation>
    </message>
    <message>
        <source>the amount field is empty</source>
        <translation>das Betragsfeld ist leer</translation>
    </message>
    <message>
        <source>both money out (“%1”) and money in (“%2”) hold an amount</source>
        <translation>sowohl Ausgang („%1“) als auch Eingang („%2“) enthalten einen Betrag</translation>
    </message>
    <message>
        <source>a quote that opens a field is never closed</source>
        <translation>ein Anführungszeichen, das ein Feld öffnet, wird nie geschlossen</translation>
    </message>
    <message>
        <source>before the header, not a transaction</source>
        <translation>vor der Kopfzeile, keine Buchung</translation>
    </message>
    <message>
        <source>the header again, not a transaction</source>
        <translation>erneut die Kopfzeile, keine Buchung</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2; a field holding a %3 must be in quotes</source>
        <translation>%1 Felder, wo die Kopfzeile %2 nennt; ein Feld mit dem Zeichen %3 muss in Anführungszeichen stehen</translation>
    </message>
    <message>
        <source>1 field, %1 needed</source>
        <translation>1 Feld, %1 nötig</translation>
    </message>
    <message>
        <source>%1 fields, %2 needed</source>
        <translation>%1 Felder, %2 nötig</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>die Beschreibung</translation>
    </message>
    <message>
        <source>line %1: the quote that opens a field there is never closed, so the lines after it cannot be told apart; nothing was imported</source>
        <translation>Zeile %1: Das Anführungszeichen, das dort ein Feld öffnet, wird nie geschlossen, sodass sich die Zeilen danach nicht trennen lassen; nichts wurde importiert</translation>
    </message>
    <message>
        <source>the date field is empty</source>
        <translation>das Datumsfeld ist leer</translation>
    </message>
    <message>
        <source>the date “%1” is not a date (%2)</source>
        <translation>das Datum „%1“ ist kein Datum (%2)</translation>
    </message>
    <message>
        <source>every description is empty: no column holds them</source>
        <translation>jede Beschreibung ist leer: Keine Spalte enthält sie</translation>
    </message>
    <message>
        <source>every description is empty: the column read for them holds nothing</source>
        <translation>jede Beschreibung ist leer: Die dafür gelesene Spalte enthält nichts</translation>
    </message>
    <message>
        <source>the amount “%1” is too large</source>
        <translation>der Betrag „%1“ ist zu groß</translation>
    </message>
    <message>
        <source>the amount “%1” is not a number</source>
        <translation>der Betrag „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 fields where the other lines have %2; a field holding a comma must be in quotes</source>
        <translation>%1 Felder, wo die anderen Zeilen %2 haben; ein Feld mit einem Komma muss in Anführungszeichen stehen</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>lines %1-%2</source>
        <translation>Zeilen %1-%2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>the statement</source>
        <translation>der Kontoauszug</translation>
    </message>
    <message>
        <source>1 line of %1 was not imported: </source>
        <translation>1 Zeile von %1 wurde nicht importiert: </translation>
    </message>
    <message>
        <source>%1 lines of %2 were not imported: </source>
        <translation>%1 Zeilen von %2 wurden nicht importiert: </translation>
    </message>
    <message>
        <source>, and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
</context>
<context>
    <name>StatementDates</name>
    <message>
        <source>month/day/year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>Jahr-Monat-Tag</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>read as %1: the dates then fall between %2 and %3, in the order of the file, while read as %4 they would not</source>
        <translation>gelesen als %1: Die Daten liegen dann zwischen %2 und %3, in der Reihenfolge der Datei, als %4 gelesen dagegen nicht</translation>
    </message>
</context>
<context>
    <name>StatementImport</name>
    <message>
        <source>Statement</source>
        <translation>Kontoauszug</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 Buchung</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 Buchungen</translation>
    </message>
    <message>
        <source>, %1 matched</source>
        <translation>, %1 zugeordnet</translation>
    </message>
    <message>
        <source>Import %1 (%2)</source>
        <translation>Import von %1 (%2)</translation>
    </message>
    <message>
        <source>line %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep track of; nothing was imported</source>
        <translation>Zeile %1: Der Saldo danach wäre %2, jenseits der 90 Billionen, die Cheqbook verwalten kann; nichts wurde importiert</translation>
    </message>
    <message>
        <source>after it, %1; nothing was imported</source>
        <translation>danach %1; nichts wurde importiert</translation>
    </message>
    <message>
        <source>nothing to import: the statement holds no transactions</source>
        <translation>nichts zu importieren: Der Kontoauszug enthält keine Buchungen</translation>
    </message>
</context>
<context>
    <name>StatementReader</name>
    <message>
        <source>1 transaction</source>
        <translation>1 Buchung</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 Buchungen</translation>
    </message>
    <message>
        <source>the header on line %1 (“%2”) names no column Cheqbook reads; it reads %3</source>
        <translation>die Kopfzeile in Zeile %1 („%2“) nennt keine Spalte, die Cheqbook liest; es liest %3</translation>
    </message>
    <message>
        <source>the lines are separated by %1s and have no header naming their columns</source>
        <translation>die Zeilen sind durch das Zeichen %1 getrennt und haben keine Kopfzeile, die ihre Spalten benennt</translation>
    </message>
    <message>
        <source>the layout names no date column</source>
        <translation>der Aufbau nennt keine Datumsspalte</translation>
    </message>
    <message>
        <source>the layout names no amount column</source>
        <translation>der Aufbau nennt keine Betragsspalte</translation>
    </message>
    <message>
        <source>no order of day, month and year reads every date of the column</source>
        <translation>keine Reihenfolge von Tag, Monat und Jahr liest jedes Datum der Spalte</translation>
    </message>
    <message>
        <source>the dates read both as month/day/year and as day/month/year</source>
        <translation>die Daten lassen sich als Monat/Tag/Jahr und als Tag/Monat/Jahr lesen</translation>
    </message>
    <message>
        <source>it holds no account “%1”, only %2</source>
        <translation>sie enthält kein Konto „%1“, nur %2</translation>
    </message>
    <message>
        <source>column %1 was named, but the header on line %2 names only %3</source>
        <translation>Spalte %1 wurde genannt, aber die Kopfzeile in Zeile %2 nennt nur %3</translation>
    </message>
    <message>
        <source>its dates are written %1 (line %2: “%3”), not %4</source>
        <translation>ihre Daten sind als %1 geschrieben (Zeile %2: „%3“), nicht als %4</translation>
    </message>
    <message>
        <source>every amount is written without a sign, and no column says which way the money went</source>
        <translation>jeder Betrag ist ohne Vorzeichen geschrieben, und keine Spalte sagt, in welche Richtung das Geld floss</translation>
    </message>
</context>
<context>
    <name>StatementText</name>
    <message>
        <source>the file begins as UTF-16 text but is not valid UTF-16; nothing was imported</source>
        <translation>die Datei beginnt als UTF-16-Text, ist aber kein gültiges UTF-16; nichts wurde importiert</translation>
    </message>
    <message>
        <source>line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text without the byte-order mark that tells how to read it; nothing was imported</source>
        <translation>Zeile %1: Die Datei enthält ein NUL-Byte und ist daher kein Text: Sie enthält Binärdaten oder UTF-16-Text ohne die Byte-Reihenfolge-Markierung, die sagt, wie er zu lesen ist; nichts wurde importiert</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; only its first %3 are kept</source>
        <translation>%1 ist %2 Zeichen lang; nur die ersten %3 werden behalten</translation>
    </message>
    <message>
        <source>the check number</source>
        <translation>die Schecknummer</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 and was read as Windows-1252 (Latin-1), the other lines as UTF-8</source>
        <translation>Zeile %1 ist kein UTF-8 und wurde als Windows-1252 (Latin-1) gelesen, die anderen Zeilen als UTF-8</translation>
    </message>
    <message>
        <source>lines %1 and %2 more are not UTF-8 and were read as Windows-1252 (Latin-1), the other lines as UTF-8</source>
        <translation>Zeilen %1 und %2 weitere sind kein UTF-8 und wurden als Windows-1252 (Latin-1) gelesen, die anderen Zeilen als UTF-8</translation>
    </message>
    <message>
        <source>lines %1 are not UTF-8 and were read as Windows-1252 (Latin-1), the other lines as UTF-8</source>
        <translation>Zeilen %1 sind kein UTF-8 und wurden als Windows-1252 (Latin-1) gelesen, die anderen Zeilen als UTF-8</translation>
    </message>
</context>
<context>
    <name>StatusBarFigures</name>
    <message>
        <source>Selected transactions</source>
        <translation>Ausgewählte Buchungen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>The balance after the last transaction, the balance of what the bank has cleared, and the number of transactions</source>
        <translation>Der Saldo nach der letzten Buchung, der Saldo dessen, was die Bank bestätigt hat, und die Zahl der Buchungen</translation>
    </message>
</context>
<context>
    <name>SuggestDialog</name>
    <message>
        <source>Suggested Schedules</source>
        <translation>Vorgeschlagene Zeitpläne</translation>
    </message>
    <message>
        <source>Nothing in the register comes round regularly enough to suggest a schedule.</source>
        <translation>Nichts im Kontobuch kehrt regelmäßig genug wieder, um einen Zeitplan vorzuschlagen.</translation>
    </message>
    <message>
        <source>These payees came round regularly. Tick those to add as schedules:</source>
        <translation>Diese Empfänger kehrten regelmäßig wieder. Haken Sie an, welche als Zeitpläne hinzukommen sollen:</translation>
    </message>
    <message>
        <source>Evidence</source>
        <translation>Belege</translation>
    </message>
    <message>
        <source>&amp;Add Ticked</source>
        <translation>Angehakte &amp;hinzufügen</translation>
    </message>
</context>
<context>
    <name>Toolkit</name>
    <message>
        <source>Do you want to save the changes you made in “%1”?</source>
        <translation>Möchten Sie die Änderungen in „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>“%1” already exists.
Do you want to replace it?</source>
        <translation>„%1“ gibt es schon.
Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Don’t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of the language of this translation (de, fr), not shown: it chooses the translated user&apos;s guide and the language of month names.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>Sequence &apos;]]&gt;&apos; not allowed in content.</source>
        <translation>Die Zeichenfolge „]]&gt;“ ist im Inhalt nicht erlaubt.</translation>
    </message>
    <message>
        <source>Invalid character reference.</source>
        <translation>Ungültiger Zeichenverweis.</translation>
    </message>
    <message>
        <source>Entity &apos;%1&apos; not declared.</source>
        <translation>Die Entity „%1“ ist nicht deklariert.</translation>
    </message>
    <message>
        <source>Reference to unparsed entity &apos;%1&apos;.</source>
        <translation>Verweis auf die nicht geparste Entity „%1“.</translation>
    </message>
    <message>
        <source>Self-referencing entity detected.</source>
        <translation>Eine Entity verweist auf sich selbst.</translation>
    </message>
    <message>
        <source>Entity expands to more characters than the entity expansion limit.</source>
        <translation>Eine Entity ergibt mehr Zeichen, als die Grenze für Entities erlaubt.</translation>
    </message>
    <message>
        <source>Invalid entity value.</source>
        <translation>Ungültiger Entity-Wert.</translation>
    </message>
    <message>
        <source>Reference to external entity &apos;%1&apos; in attribute value.</source>
        <translation>Verweis auf die externe Entity „%1“ in einem Attributwert.</translation>
    </message>
    <message>
        <source>a name is longer than 4096 characters</source>
        <translation>ein Name ist länger als 4096 Zeichen</translation>
    </message>
    <message>
        <source>Invalid XML version string.</source>
        <translation>Ungültige XML-Versionsangabe.</translation>
    </message>
    <message>
        <source>Unsupported XML version.</source>
        <translation>Nicht unterstützte XML-Version.</translation>
    </message>
    <message>
        <source>The standalone pseudo attribute must appear after the encoding.</source>
        <translation>Das Pseudo-Attribut standalone muss nach der Kodierung stehen.</translation>
    </message>
    <message>
        <source>%1 is an invalid encoding name.</source>
        <translation>%1 ist kein gültiger Name einer Kodierung.</translation>
    </message>
    <message>
        <source>Encoding %1 is unsupported</source>
        <translation>Die Kodierung %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Standalone accepts only yes or no.</source>
        <translation>standalone erlaubt nur yes oder no.</translation>
    </message>
    <message>
        <source>Invalid attribute in XML declaration.</source>
        <translation>Ungültiges Attribut in der XML-Deklaration.</translation>
    </message>
    <message>
        <source>%1 is an invalid PUBLIC identifier.</source>
        <translation>%1 ist kein gültiger PUBLIC-Bezeichner.</translation>
    </message>
    <message>
        <source>NDATA in parameter entity declaration.</source>
        <translation>NDATA in der Deklaration einer Parameter-Entity.</translation>
    </message>
    <message>
        <source>Invalid XML character.</source>
        <translation>Ungültiges XML-Zeichen.</translation>
    </message>
    <message>
        <source>Encountered incorrectly encoded content.</source>
        <translation>Falsch kodierter Inhalt gefunden.</translation>
    </message>
    <message>
        <source>Premature end of document.</source>
        <translation>Vorzeitiges Ende des Dokuments.</translation>
    </message>
    <message>
        <source>Unexpected end of an entity&apos;s text.</source>
        <translation>Unerwartetes Ende des Texts einer Entity.</translation>
    </message>
    <message>
        <source>Unexpected character U+%1.</source>
        <translation>Unerwartetes Zeichen U+%1.</translation>
    </message>
    <message>
        <source>Unexpected “%1”.</source>
        <translation>Unerwartetes „%1“.</translation>
    </message>
    <message>
        <source>Start tag expected.</source>
        <translation>Start-Tag erwartet.</translation>
    </message>
    <message>
        <source>Extra content at end of document.</source>
        <translation>Überzähliger Inhalt am Ende des Dokuments.</translation>
    </message>
    <message>
        <source>Expected character data.</source>
        <translation>Zeichendaten erwartet.</translation>
    </message>
    <message>
        <source>Invalid processing instruction name.</source>
        <translation>Ungültiger Name einer Verarbeitungsanweisung.</translation>
    </message>
    <message>
        <source>XML declaration not at start of document.</source>
        <translation>Die XML-Deklaration steht nicht am Anfang des Dokuments.</translation>
    </message>
    <message>
        <source>%1 is an invalid processing instruction name.</source>
        <translation>%1 ist kein gültiger Name einer Verarbeitungsanweisung.</translation>
    </message>
    <message>
        <source>Invalid XML name.</source>
        <translation>Ungültiger XML-Name.</translation>
    </message>
    <message>
        <source>Unexpected end tag.</source>
        <translation>Unerwartetes End-Tag.</translation>
    </message>
    <message>
        <source>Opening and ending tag mismatch.</source>
        <translation>Start- und End-Tag passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Illegal namespace declaration.</source>
        <translation>Unzulässige Namensraum-Deklaration.</translation>
    </message>
    <message>
        <source>Namespace prefix &apos;%1&apos; not declared</source>
        <translation>Das Namensraum-Präfix „%1“ ist nicht deklariert</translation>
    </message>
    <message>
        <source>Attribute &apos;%1&apos; redefined.</source>
        <translation>Das Attribut „%1“ ist mehrfach definiert.</translation>
    </message>
</context>
</TS>
