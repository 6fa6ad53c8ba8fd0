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
        <translation type="unfinished"></translation>
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
        <source>The balance after the last transaction, the balance of what the bank has cleared, and the number of transactions</source>
        <translation>Der Saldo nach der letzten Buchung, der Saldo dessen, was die Bank bestätigt hat, und die Zahl der Buchungen</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing its amount changes the cleared balance, so the register no longer agrees with the bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing its date can take it out of the statement it cleared, so the register no longer agrees with the bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reconciliation</source>
        <comment>a file name: the register&apos;s name, this, and the statement&apos;s date</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting it takes its amount out of the cleared balance, so the register no longer agrees with the bank. Edit &gt; Undo puts it back.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationReport</name>
    <message>
        <source>Statement with no closing date given: every transaction counts
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening balance %1%2, cleared as the balance the bank held
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
