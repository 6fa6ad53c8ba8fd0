<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Cheqbook</source>
        <translation>À propos de Cheqbook</translation>
    </message>
    <message>
        <source> (built with Qt %1)</source>
        <translation> (compilé avec Qt %1)</translation>
    </message>
    <message>
        <source>A checkbook register for the desktop.

Qt %1%2
Copyright © The Cheqbook developers
Released under the MIT licence.</source>
        <translation>Un registre de compte chèques pour le bureau.

Qt %1%2
Copyright © Les développeurs de Cheqbook
Publié sous la licence MIT.</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>All time</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last 3 months</source>
        <translation>3 derniers mois</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>L&apos;an dernier</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save as PNG…</source>
        <translation>&amp;Enregistrer en PNG…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Took the most</source>
        <translation>Plus grosses dépenses</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Balance: no transaction to draw in this period</source>
        <translation>Solde&#xa0;: aucune opération à tracer sur cette période</translation>
    </message>
    <message>
        <source>Money in and out per year</source>
        <translation>Entrées et sorties par an</translation>
    </message>
    <message>
        <source>Money in and out per month</source>
        <translation>Entrées et sorties par mois</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Money in and out per month, %1</source>
        <translation>Entrées et sorties par mois, %1</translation>
    </message>
    <message>
        <source>1 transaction is left out of the charts: Cheqbook cannot read its date.</source>
        <translation>1 opération est absente des graphiques&#xa0;: Cheqbook ne peut pas lire sa date.</translation>
    </message>
    <message>
        <source>%1 transactions are left out of the charts: Cheqbook cannot read their dates.</source>
        <translation>%1 opérations sont absentes des graphiques&#xa0;: Cheqbook ne peut pas lire leur date.</translation>
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
Code de sortie&#xa0;:
  0  Cheqbook a été quitté, ou les fichiers ont été confiés au Cheqbook déjà lancé.
  1  La ligne de commande est erronée.
Arrêté par SIGTERM, SIGHUP ou SIGINT, Cheqbook copie d&apos;abord le travail non enregistré dans le dossier
de récupération, puis s&apos;arrête par ce signal.

Fichiers&#xa0;:
  %1
      Les préférences, les registres récents et la place de chaque fenêtre.
  %2/
      Le travail non enregistré, copié quelques secondes après chaque modification et proposé au démarrage suivant.
  NAME.ldgr~
      Le registre tel qu&apos;il était avant son dernier enregistrement.
  .NAME.ldgr.lock
      À côté d&apos;un registre tant qu&apos;un Cheqbook le tient ouvert.

Environnement&#xa0;:
  XDG_CONFIG_HOME, XDG_DATA_HOME
      Les dossiers des fichiers ci-dessus, au lieu de ~/.config et ~/.local/share.
  DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR
      Un seul Cheqbook tourne par utilisateur et par écran&#xa0;; il reçoit les registres ouverts ensuite
      par un socket dans XDG_RUNTIME_DIR.
  TZ  Le fuseau horaire de la date du jour, que reçoivent les nouvelles opérations.
</translation>
    </message>
    <message>
        <source>A checkbook register for the desktop. Each register file (.ldgr) opens in a window of its own;
with none, Cheqbook opens the registers that were open when it last quit (when Preferences
says so) or a new register.</source>
        <translation>Un registre de compte chèques pour le bureau. Chaque fichier de registre (.ldgr) s&apos;ouvre dans sa propre
fenêtre&#xa0;; sans fichier, Cheqbook rouvre les registres ouverts à sa dernière fermeture (si les Préférences
le demandent) ou un nouveau registre.</translation>
    </message>
    <message>
        <source>FILE...</source>
        <translation>FICHIER...</translation>
    </message>
    <message>
        <source>Register files to open; given while Cheqbook is running, they open in it.</source>
        <translation>Fichiers de registre à ouvrir&#xa0;; si Cheqbook est déjà lancé, ils s&apos;y ouvrent.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[FICHIER...]</translation>
    </message>
</context>
<context>
    <name>DateReader</name>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message>
        <source>07/12/2026, 7/12/26, 7.12.2026, 2026-12-07, 20261207, 07-Dec-26, 7 December 2026, Dec 7, 2026, 7/12, today, yesterday, tomorrow</source>
        <extracomment>Dates as typed with the day first, each read as 7 December 2026 (12-07 without a year) or a day near today. List only forms Cheqbook reads: a test types each one.</extracomment>
        <translation>07/12/2026, 7/12/26, 7.12.2026, 2026-12-07, 20261207, 7 décembre 2026, 7 déc. 2026, 7/12, aujourd&apos;hui, hier, demain</translation>
    </message>
    <message>
        <source>2026-12-07, 26-12-07, 2026/12/07, 20261207, 7.12.2026, 07-Dec-26, Dec 7, 2026, 7 December 2026, 12-07, today, yesterday, tomorrow</source>
        <extracomment>Dates as typed with the year first, each read as 7 December 2026 (12-07 without a year) or a day near today. List only forms Cheqbook reads: a test types each one.</extracomment>
        <translation>2026-12-07, 26-12-07, 2026/12/07, 20261207, 7.12.2026, 7 décembre 2026, 7 déc. 2026, 12-07, aujourd&apos;hui, hier, demain</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>JJ/MM/AAAA</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/JJ/AAAA</translation>
    </message>
    <message>
        <source>12/07/2026, 12/7/26, 2026-12-07, 2026/12/07, 20261207, 7.12.2026, 07-Dec-26, Dec 7, 2026, 7 December 2026, December 7th, 12/7, today, yesterday, tomorrow</source>
        <extracomment>Dates as typed with the month first, each read as 7 December 2026 (12/7 without a year) or a day near today. List only forms Cheqbook reads: a test types each one.</extracomment>
        <translation>12/07/2026, 12/7/26, 2026-12-07, 2026/12/07, 20261207, 7.12.2026, 7 décembre 2026, 7 déc. 2026, 12/7, aujourd&apos;hui, hier, demain</translation>
    </message>
</context>
<context>
    <name>DateSort</name>
    <message>
        <source>Sort by Date</source>
        <translation>Tri par date</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Re&amp;vert to Saved</source>
        <translation>Re&amp;venir à la version enregistrée</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Sans titre %1</translation>
    </message>
</context>
<context>
    <name>EOMDrawer</name>
    <message>
        <source>Balance Month</source>
        <translation>Rapprocher le mois</translation>
    </message>
    <message>
        <source>The bank&apos;s statement</source>
        <translation>Le relevé de la banque</translation>
    </message>
    <message>
        <source>&amp;Closing date</source>
        <translation>Date du rele&amp;vé</translation>
    </message>
    <message>
        <source>The last day the statement covers; transactions after it are not matched</source>
        <translation>Le dernier jour couvert par le relevé&#xa0;; les opérations postérieures ne sont pas rapprochées</translation>
    </message>
    <message>
        <source>Endin&amp;g balance</source>
        <translation>&amp;Solde final</translation>
    </message>
    <message>
        <source>The balance the statement ends with</source>
        <translation>Le solde sur lequel se termine le relevé</translation>
    </message>
    <message>
        <source>Statement &amp;amount</source>
        <translation>M&amp;ontant du relevé</translation>
    </message>
    <message>
        <source>Type each amount on the bank&apos;s statement and press Return</source>
        <translation>Saisissez chaque montant du relevé et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Reconciled total</source>
        <translation>Total rapproché</translation>
    </message>
    <message>
        <source>The sum of the reconciled transactions</source>
        <translation>La somme des opérations rapprochées</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>The opening balance and every reconciled transaction: what the bank shows as cleared</source>
        <translation>Le solde initial et toutes les opérations rapprochées&#xa0;: ce que la banque montre comme passé</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Show only &amp;uncleared transactions</source>
        <translation>N&apos;afficher que les opérations non &amp;pointées</translation>
    </message>
    <message>
        <source>Hide the reconciled transactions, to tick off what is still outstanding</source>
        <translation>Masquer les opérations rapprochées, pour cocher ce qui reste en suspens</translation>
    </message>
    <message>
        <source>Close the drawer; the marks and the statement stay for next time</source>
        <translation>Fermer le panneau&#xa0;; les coches et le relevé restent pour la prochaine fois</translation>
    </message>
    <message>
        <source>F&amp;inish</source>
        <translation>Cl&amp;ôturer</translation>
    </message>
    <message>
        <source>Record this statement with the transactions it cleared</source>
        <translation>Enregistrer ce relevé avec les opérations qu&apos;il a pointées</translation>
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
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Payee, check number, date or amount</source>
        <translation>Bénéficiaire, n° de chèque, date ou montant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Rechercher à &amp;nouveau</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Re&amp;chercher</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Cheqbook &amp;Help</source>
        <translation>&amp;Aide de Cheqbook</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About Cheqbook</source>
        <translation>À &amp;propos de Cheqbook</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Cheqbook Help</source>
        <translation>Aide de Cheqbook</translation>
    </message>
    <message>
        <source># Cheqbook Help

The user guide is missing from this copy of Cheqbook.</source>
        <translation># Aide de Cheqbook

Le guide de l&apos;utilisateur manque à cet exemplaire de Cheqbook.</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>it is larger than 2 GiB, more than Cheqbook reads</source>
        <translation>il dépasse 2 Gio, plus que ce que Cheqbook lit</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>c&apos;est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it was changed by another program while it was being read; try again</source>
        <translation>un autre programme l&apos;a modifié pendant sa lecture&#xa0;; réessayez</translation>
    </message>
</context>
<context>
    <name>MyDocument</name>
    <message>
        <source>New transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Check &amp;#</source>
        <translation>N° de &amp;chèque</translation>
    </message>
    <message>
        <source>Descri&amp;ption</source>
        <translation>&amp;Libellé</translation>
    </message>
    <message>
        <source>Da&amp;te</source>
        <translation>Da&amp;te</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>&amp;Montant</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>The check&apos;s number; leave it empty for a card payment or a deposit</source>
        <translation>Le numéro du chèque&#xa0;; laissez vide pour un paiement par carte ou un dépôt</translation>
    </message>
    <message>
        <source>Payee or description</source>
        <translation>Bénéficiaire ou libellé</translation>
    </message>
    <message>
        <source>Negative for money going out, positive for a deposit</source>
        <translation>Négatif pour une sortie d&apos;argent, positif pour un dépôt</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Saisir</translation>
    </message>
    <message>
        <source>Add the transaction at the end of the register (Return)</source>
        <translation>Ajouter l&apos;opération à la fin du registre (Entrée)</translation>
    </message>
    <message>
        <source>A register begins with its opening balance: type the balance the account holds on the day you start, with that day&apos;s date, and press Return. Every transaction after it is added to it.</source>
        <translation>Un registre commence par son solde initial&#xa0;: saisissez le solde du compte au jour où vous commencez, avec la date de ce jour, et appuyez sur Entrée. Chaque opération suivante s&apos;y ajoute.</translation>
    </message>
</context>
<context>
    <name>MyWindowController</name>
    <message>
        <source>Insert Bef&amp;ore Selected Row</source>
        <translation>Insérer a&amp;vant la ligne sélectionnée</translation>
    </message>
    <message>
        <source>Puts the transaction above the selected row; above the first row, it becomes the opening balance</source>
        <translation>Place l&apos;opération au-dessus de la ligne sélectionnée&#xa0;; au-dessus de la première ligne, elle devient le solde initial</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Payee or description</source>
        <translation>Bénéficiaire ou libellé</translation>
    </message>
    <message>
        <source>The balance of the account on the day the register starts</source>
        <translation>Le solde du compte au jour où commence le registre</translation>
    </message>
    <message>
        <source>Negative for money going out, positive for a deposit</source>
        <translation>Négatif pour une sortie d&apos;argent, positif pour un dépôt</translation>
    </message>
    <message>
        <source>“%1” is not an amount; the cell keeps what it held.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montant&#xa0;; la cellule garde son contenu.</translation>
    </message>
    <message>
        <source>As powerful a computer as I am, I can&apos;t read your mind.
Please select a row to enter this above!</source>
        <translation>Tout puissant ordinateur que je suis, je ne lis pas dans les pensées.
Sélectionnez la ligne au-dessus de laquelle saisir ceci&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtrer</translation>
    </message>
    <message>
        <source>Show &amp;All Transactions</source>
        <translation>&amp;Afficher toutes les opérations</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>Sorting by date…</source>
        <translation>Tri par date…</translation>
    </message>
    <message>
        <source>The register was not sorted.

%1</source>
        <translation>Le registre n&apos;a pas été trié.

%1</translation>
    </message>
    <message>
        <source>+ and − step a day, T is today</source>
        <translation>+ et − avancent ou reculent d&apos;un jour, T donne aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1; + and − step the number</source>
        <translation>%1&#xa0;; + et − changent le numéro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Keep “%1” as typed?

Cheqbook cannot read it as a date, so the date sort and the charts will not know where it belongs. It reads dates like %2.</source>
        <translation>Garder «&#xa0;%1&#xa0;» tel quel&#xa0;?

Cheqbook ne peut pas le lire comme une date&#xa0;; le tri par date et les graphiques ne sauront pas où le placer. Cheqbook lit des dates comme %2.</translation>
    </message>
    <message>
        <source>Keep as Typed</source>
        <translation>Garder tel quel</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Cheqbook does not read “%1” as a date. It reads dates like %2.</source>
        <translation>Cheqbook ne lit pas «&#xa0;%1&#xa0;» comme une date. Il lit des dates comme %2.</translation>
    </message>
    <message>
        <source>Text in any column</source>
        <translation>Texte dans n&apos;importe quelle colonne</translation>
    </message>
    <message>
        <source>Shows only the transactions with this text in any column (Ctrl+Shift+F; Escape shows every transaction again)</source>
        <translation>N&apos;affiche que les opérations contenant ce texte dans une colonne (Ctrl+Maj+F&#xa0;; Échap réaffiche toutes les opérations)</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>Filtr&amp;e&#xa0;:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Not reconciled</source>
        <translation>Non rapprochées</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochées</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>Affic&amp;her&#xa0;:</translation>
    </message>
    <message>
        <source>Dates &amp;between</source>
        <translation>Dates e&amp;ntre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>first</source>
        <translation>début</translation>
    </message>
    <message>
        <source>last</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>Leave empty for no limit</source>
        <translation>Laisser vide pour ne pas limiter</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The filter was cleared to show the transaction found.</source>
        <translation>Le filtre a été retiré pour montrer l&apos;opération trouvée.</translation>
    </message>
    <message>
        <source>This text is %L1 characters long, more than a cell can edit (%L2 at most).
The register keeps all of it.</source>
        <translation>Ce texte compte %L1 caractères, plus qu&apos;une cellule ne peut en modifier (%L2 au plus).
Le registre le garde en entier.</translation>
    </message>
    <message>
        <source>To change a cell, double-click it or press F2 or Return; Tab goes to the entry fields.</source>
        <translation>Pour modifier une cellule, double-cliquez dessus ou appuyez sur F2 ou Entrée&#xa0;; Tab mène aux champs de saisie.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import Statement…</source>
        <translation>&amp;Importer un relevé…</translation>
    </message>
    <message>
        <source>New &amp;Year…</source>
        <translation>Nouvelle &amp;année…</translation>
    </message>
    <message>
        <source>Print Previe&amp;w…</source>
        <translation>Aperç&amp;u avant impression…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>Print Reconci&amp;liation…</source>
        <translation>Imprimer le rapproc&amp;hement…</translation>
    </message>
    <message>
        <source>Export Reconciliation P&amp;DF…</source>
        <translation>Exporter le rapprochement en P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>Re&amp;chercher…</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Rechercher à &amp;nouveau</translation>
    </message>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Registre</translation>
    </message>
    <message>
        <source>&amp;Insert After Selected Row</source>
        <translation>&amp;Insérer après la ligne sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Delete Transaction</source>
        <translation>&amp;Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>&amp;Sort by Date</source>
        <translation>&amp;Trier par date</translation>
    </message>
    <message>
        <source>&amp;Balance Month…</source>
        <translation>&amp;Rapprocher le mois…</translation>
    </message>
    <message>
        <source>Change Anyway</source>
        <translation>Modifier quand même</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <extracomment>The name of an undo step: &quot;Edit Amount&quot; is undone by &quot;Undo Edit Amount&quot;.</extracomment>
        <translation>Modification (%1)</translation>
    </message>
    <message>
        <source>The change was not made.

%1</source>
        <translation>La modification n&apos;a pas été faite.

%1</translation>
    </message>
    <message>
        <source>Register</source>
        <extracomment>The name a register not yet saved is printed under.</extracomment>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Printing “%1”…</source>
        <translation>Impression de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>The register could not be printed: the printer refused it.</source>
        <translation>Le registre n&apos;a pas pu être imprimé&#xa0;: l&apos;imprimante l&apos;a refusé.</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF cannot replace the register itself.
Please choose another name!</source>
        <translation>Le PDF ne peut pas remplacer le registre lui-même.
Choisissez un autre nom&#xa0;!</translation>
    </message>
    <message>
        <source>Register.pdf</source>
        <translation>Registre.pdf</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Exporting “%1”…</source>
        <translation>Exportation de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>The register could not be exported.

%1</source>
        <translation>Le registre n&apos;a pas pu être exporté.

%1</translation>
    </message>
    <message>
        <source>The balance after the last transaction, the balance of what the bank has cleared, and the number of transactions</source>
        <translation>Le solde après la dernière opération, le solde de ce que la banque a pointé et le nombre d&apos;opérations</translation>
    </message>
    <message>
        <source>As powerful a computer as I am, I can&apos;t read your mind.
Please select a row to be deleted!</source>
        <translation>Tout puissant ordinateur que je suis, je ne lis pas dans les pensées.
Sélectionnez la ligne à supprimer&#xa0;!</translation>
    </message>
    <message>
        <source>I con only delete one row at a time.
Please select only one row to delete!</source>
        <translation>Je ne peux supprimer qu&apos;une ligne à la fois.
Sélectionnez une seule ligne à supprimer&#xa0;!</translation>
    </message>
    <message>
        <source>I can&apos;t delete what you started out with,
that would be silly!</source>
        <translation>Je ne peux pas supprimer ce par quoi vous avez commencé,
ce serait absurde&#xa0;!</translation>
    </message>
    <message>
        <source>Delete Anyway</source>
        <translation>Supprimer quand même</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>Suppression de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Suppression d&apos;une opération</translation>
    </message>
    <message>
        <source>The transaction was not deleted.

%1</source>
        <translation>L&apos;opération n&apos;a pas été supprimée.

%1</translation>
    </message>
    <message>
        <source>%1 (%2 to undo)</source>
        <translation>%1 (%2 pour annuler)</translation>
    </message>
    <message>
        <source>Deleted “%1”</source>
        <translation>Opération «&#xa0;%1&#xa0;» supprimée</translation>
    </message>
    <message>
        <source>Deleted Transaction</source>
        <translation>Opération supprimée</translation>
    </message>
    <message>
        <source>“%1” is more than I can keep track of.
Please enter an amount under 90 trillion!</source>
        <translation>«&#xa0;%1&#xa0;», c&apos;est plus que je ne sais compter.
Saisissez un montant inférieur à 90&#xa0;000 milliards&#xa0;!</translation>
    </message>
    <message>
        <source>“%1” is not an amount.
Please enter the transaction amount as a number, like 12.34 for a deposit or -12.34 for a payment!</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montant.
Saisissez le montant de l&apos;opération en chiffres, par exemple 12,34 pour un dépôt ou -12,34 pour un paiement&#xa0;!</translation>
    </message>
    <message>
        <source>Boing</source>
        <translation>Boing</translation>
    </message>
    <message>
        <source>You paid how much for that Easter Egg?</source>
        <translation>Vous avez payé combien pour cet œuf de Pâques&#xa0;?</translation>
    </message>
    <message>
        <source>I can&apos;t make something from nothing.
Please enter the transaction amount!</source>
        <translation>Je ne peux rien faire avec rien.
Saisissez le montant de l&apos;opération&#xa0;!</translation>
    </message>
    <message>
        <source>As powerful a computer as I am, I can&apos;t read your mind.
Please select a row to enter this below!</source>
        <translation>Tout puissant ordinateur que je suis, je ne lis pas dans les pensées.
Sélectionnez la ligne au-dessous de laquelle saisir ceci&#xa0;!</translation>
    </message>
    <message>
        <source>Enter “%1”</source>
        <translation>Saisie de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Enter Transaction</source>
        <translation>Saisie d&apos;une opération</translation>
    </message>
    <message>
        <source>Insert “%1”</source>
        <translation>Insertion de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Insert Transaction</source>
        <translation>Insertion d&apos;une opération</translation>
    </message>
    <message>
        <source>The transaction was not entered.

%1</source>
        <translation>L&apos;opération n&apos;a pas été saisie.

%1</translation>
    </message>
    <message>
        <source>The transaction was entered; the filter hides it (Escape in the filter shows every row).</source>
        <translation>L&apos;opération a été saisie&#xa0;; le filtre la masque (Échap dans le filtre affiche toutes les lignes).</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
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
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;Number checks automatically</source>
        <translation>&amp;Numéroter les chèques automatiquement</translation>
    </message>
    <message>
        <source>Propose the next check number after each entry</source>
        <translation>Proposer le numéro de chèque suivant après chaque saisie</translation>
    </message>
    <message>
        <source>After each entry, the Check # field proposes one more than the last check number in the register.</source>
        <translation>Après chaque saisie, le champ N° de chèque propose le dernier numéro de chèque du registre plus un.</translation>
    </message>
    <message>
        <source>&amp;Reopen the registers that were open when Cheqbook last quit</source>
        <translation>&amp;Rouvrir au démarrage les registres ouverts à la dernière fermeture de Cheqbook</translation>
    </message>
    <message>
        <source>At start, open again the registers open when Cheqbook quit</source>
        <translation>Au démarrage, rouvrir les registres ouverts à la fermeture de Cheqbook</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>&amp;Dates&#xa0;:</translation>
    </message>
    <message>
        <source>The order in which dates are typed and shown; register files keep month/day/year</source>
        <translation>L&apos;ordre dans lequel les dates sont saisies et affichées&#xa0;; les fichiers de registre gardent mois/jour/année</translation>
    </message>
    <message>
        <source>month/day/year (12/31/2026)</source>
        <translation>mois/jour/année (12/31/2026)</translation>
    </message>
    <message>
        <source>day/month/year (31/12/2026)</source>
        <translation>jour/mois/année (31/12/2026)</translation>
    </message>
    <message>
        <source>year-month-day (2026-12-31)</source>
        <translation>année-mois-jour (2026-12-31)</translation>
    </message>
    <message>
        <source>Decimal &amp;separator:</source>
        <translation>Séparateur déci&amp;mal&#xa0;:</translation>
    </message>
    <message>
        <source>How amounts are shown; either is read when typed, and register files keep a point</source>
        <translation>La façon d&apos;afficher les montants&#xa0;; les deux sont lus à la saisie, et les fichiers de registre gardent le point</translation>
    </message>
    <message>
        <source>point (1234.56)</source>
        <translation>point (1234.56)</translation>
    </message>
    <message>
        <source>comma (1234,56)</source>
        <translation>virgule (1234,56)</translation>
    </message>
    <message>
        <source>A new &amp;transaction&apos;s date:</source>
        <translation>Date d&apos;une nouvelle &amp;opération&#xa0;:</translation>
    </message>
    <message>
        <source>What the Date field holds after each entry</source>
        <translation>Ce que contient le champ Date après chaque saisie</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>the date of the last one entered</source>
        <translation>la date de la dernière saisie</translation>
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
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: le rapport n&apos;a pas pu être mis en page pour l&apos;impression</translation>
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
        <translation>Solde %1 · Pointé %2 · %3 opération</translation>
    </message>
    <message numerus="yes">
        <source>Balance %1 · Cleared %2 · %3 transactions</source>
        <translation>
            <numerusform>Solde %1 · Pointé %2 · %3 opération</numerusform>
            <numerusform>Solde %1 · Pointé %2 · %3 opérations</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1 shown)</source>
        <translation> (%1 affichées)</translation>
    </message>
    <message>
        <source>%1 selected: %2</source>
        <translation>%1 sélectionnées&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RegisterFile</name>
    <message>
        <source>the file is empty; a register file holds a list of records</source>
        <translation>le fichier est vide&#xa0;; un fichier de registre contient une liste d&apos;enregistrements</translation>
    </message>
    <message>
        <source>the file holds a single record, not a list of records</source>
        <translation>le fichier contient un seul enregistrement, pas une liste d&apos;enregistrements</translation>
    </message>
    <message>
        <source>the file does not hold a list of records (it should begin with “(”)</source>
        <translation>le fichier ne contient pas une liste d&apos;enregistrements (il devrait commencer par «&#xa0;(&#xa0;»)</translation>
    </message>
    <message>
        <source>the list of records is not closed with “)”</source>
        <translation>la liste des enregistrements n&apos;est pas fermée par «&#xa0;)&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is not a record (a record begins with “{”)</source>
        <translation>l&apos;%1 n&apos;est pas un enregistrement (un enregistrement commence par «&#xa0;{&#xa0;»)</translation>
    </message>
    <message>
        <source>expected “,” or “)” after %1</source>
        <translation>«&#xa0;,&#xa0;» ou «&#xa0;)&#xa0;» attendu après l&apos;%1</translation>
    </message>
    <message>
        <source>unexpected text after the end of the list</source>
        <translation>texte inattendu après la fin de la liste</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a comment is not closed with “*/”</source>
        <translation>un commentaire n&apos;est pas fermé par «&#xa0;*/&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is not closed with “}”</source>
        <translation>l&apos;%1 n&apos;est pas fermée par «&#xa0;}&#xa0;»</translation>
    </message>
    <message>
        <source>expected a key in %1</source>
        <translation>clé attendue dans l&apos;%1</translation>
    </message>
    <message>
        <source>expected “=” after the key %1 in %2</source>
        <translation>«&#xa0;=&#xa0;» attendu après la clé %1 dans l&apos;%2</translation>
    </message>
    <message>
        <source>expected “;” after the value of %1 in %2</source>
        <translation>«&#xa0;;&#xa0;» attendu après la valeur de %1 dans l&apos;%2</translation>
    </message>
    <message>
        <source>the value of %1 in %2 is missing</source>
        <translation>la valeur de %1 manque dans l&apos;%2</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>a record</source>
        <translation>un enregistrement</translation>
    </message>
    <message>
        <source>raw data</source>
        <translation>des données brutes</translation>
    </message>
    <message>
        <source>the value of %1 in %2 is %3; a record holds only texts and numbers</source>
        <translation>la valeur de %1 dans l&apos;%2 est %3&#xa0;; un enregistrement ne contient que des textes et des nombres</translation>
    </message>
    <message>
        <source>a quoted text is not closed</source>
        <translation>un texte entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the escape “\%1” in a quoted text has no hexadecimal character code after it</source>
        <translation>l&apos;échappement «&#xa0;\%1&#xa0;» d&apos;un texte entre guillemets n&apos;est suivi d&apos;aucun code de caractère hexadécimal</translation>
    </message>
    <message>
        <source>the escape “\%1” in a quoted text is out of range (an octal escape names one byte, \0 to \377)</source>
        <translation>l&apos;échappement «&#xa0;\%1&#xa0;» d&apos;un texte entre guillemets est hors limites (un échappement octal désigne un octet, de \0 à \377)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A text from the file, quoted in a message.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>entrée %1</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range (amounts are limited to %4 dollars)</source>
        <translation>%1&#xa0;: la valeur %2 %3 est hors limites (les montants sont limités à %4 de dollars)</translation>
    </message>
    <message>
        <source>90 trillion</source>
        <translation>90&#xa0;000 milliards</translation>
    </message>
    <message>
        <source>line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text without the byte-order mark that tells how to read it</source>
        <translation>ligne %1&#xa0;: le fichier contient un octet NUL, ce n&apos;est donc pas du texte&#xa0;: ce sont des données binaires, ou du texte UTF-16 sans l&apos;indicateur d&apos;ordre des octets qui dit comment le lire</translation>
    </message>
    <message>
        <source>line %1: the file is neither ASCII nor UTF-8 text</source>
        <translation>ligne %1&#xa0;: le fichier n&apos;est ni du texte ASCII ni du texte UTF-8</translation>
    </message>
    <message>
        <source>the file is a binary property list, which Cheqbook does not read; save it as text or XML</source>
        <translation>le fichier est une liste de propriétés binaire, que Cheqbook ne lit pas&#xa0;; enregistrez-le en texte ou en XML</translation>
    </message>
    <message>
        <source>the file is not valid UTF-16 text</source>
        <translation>le fichier n&apos;est pas du texte UTF-16 valide</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>la lecture a été annulée</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1&#xa0;: lecture impossible&#xa0;: %2</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un caractère de contrôle</translation>
    </message>
    <message>
        <source>the noncharacter %1</source>
        <translation>le non-caractère %1</translation>
    </message>
    <message>
        <source>half of a character (a lone UTF-16 surrogate, %1)</source>
        <translation>la moitié d&apos;un caractère (un demi-codet UTF-16 isolé, %1)</translation>
    </message>
    <message>
        <source>row %1: the %2 holds %3, which the XML form cannot store</source>
        <translation>entrée %1&#xa0;: la valeur %2 contient %3, que la forme XML ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>value under the empty key</source>
        <translation>sous la clé vide</translation>
    </message>
    <message>
        <source>“&amp;%1;” names an entity the file does not declare, so the text it stands for is not known</source>
        <translation>«&#xa0;&amp;%1;&#xa0;» désigne une entité que le fichier ne déclare pas&#xa0;; le texte qu&apos;elle remplace est donc inconnu</translation>
    </message>
    <message>
        <source>“&amp;%1;” stands for text kept in another file (an external entity), which Cheqbook does not read</source>
        <translation>«&#xa0;&amp;%1;&#xa0;» remplace un texte gardé dans un autre fichier (une entité externe), que Cheqbook ne lit pas</translation>
    </message>
    <message>
        <source>line %1: the file holds bytes that are not %2 text, which its XML declaration says it is</source>
        <translation>ligne %1&#xa0;: le fichier contient des octets qui ne sont pas du texte %2, contrairement à ce qu&apos;annonce sa déclaration XML</translation>
    </message>
    <message>
        <source>the file holds no property list</source>
        <translation>le fichier ne contient pas de liste de propriétés</translation>
    </message>
    <message>
        <source>the property list is empty; a register file holds a list of records</source>
        <translation>la liste de propriétés est vide&#xa0;; un fichier de registre contient une liste d&apos;enregistrements</translation>
    </message>
    <message>
        <source>the file does not hold a list of records (found &lt;%1&gt;)</source>
        <translation>le fichier ne contient pas une liste d&apos;enregistrements (trouvé&#xa0;: &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>%1 is not a record (found &lt;%2&gt;)</source>
        <translation>l&apos;%1 n&apos;est pas un enregistrement (trouvé&#xa0;: &lt;%2&gt;)</translation>
    </message>
    <message>
        <source>unexpected &lt;%1&gt; after the list of records</source>
        <translation>&lt;%1&gt; inattendu après la liste des enregistrements</translation>
    </message>
    <message>
        <source>%1: expected &lt;key&gt;, found &lt;%2&gt;</source>
        <translation>%1&#xa0;: &lt;key&gt; attendu, &lt;%2&gt; trouvé</translation>
    </message>
    <message>
        <source>%1: the key %2 has no value</source>
        <translation>%1&#xa0;: la clé %2 n&apos;a pas de valeur</translation>
    </message>
    <message>
        <source>%1: the value of %2 is not a number: %3</source>
        <translation>%1&#xa0;: la valeur de %2 n&apos;est pas un nombre&#xa0;: %3</translation>
    </message>
    <message>
        <source>a yes/no value</source>
        <translation>une valeur oui/non</translation>
    </message>
    <message>
        <source>a date value</source>
        <translation>une valeur de date</translation>
    </message>
    <message>
        <source>%1: the value of %2 is %3; a record holds only texts and numbers</source>
        <translation>%1&#xa0;: la valeur de %2 est %3&#xa0;; un enregistrement ne contient que des textes et des nombres</translation>
    </message>
    <message>
        <source>line %1: the XML is malformed: %2</source>
        <translation>ligne %1&#xa0;: le XML est mal formé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RegisterTableModel</name>
    <message>
        <source>The opening balance: the balance the register starts from. Register &gt; Insert Before Selected Row puts a transaction above it.</source>
        <translation>Le solde initial&#xa0;: le solde dont part le registre. Registre &gt; Insérer avant la ligne sélectionnée place une opération au-dessus.</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>N° chèque</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Reconciled with a bank statement</source>
        <translation>Rapprochée avec un relevé bancaire</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Check #</source>
        <extracomment>A column title of the printed register: 8 characters at most.</extracomment>
        <translation>N° chq.</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>A column title of the printed register: 36 characters at most.</extracomment>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>A column title of the printed register: 10 characters at most.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>A column title of the printed register: 9 characters at most.</extracomment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>A column title of the printed register, the balance after each row.</extracomment>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>Rollover</name>
    <message>
        <source>The register has no transactions, so there is nothing to roll over into a new year.</source>
        <translation>Le registre n&apos;a aucune opération&#xa0;; il n&apos;y a rien à reporter sur une nouvelle année.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RunningBalance</name>
    <message>
        <source>row %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep track of</source>
        <translation>entrée %1&#xa0;: le solde qui la suit serait de %2, au-delà des 90&#xa0;000 milliards de dollars que Cheqbook sait compter</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>SortQuestion</name>
    <message>
        <source>Sort by Date</source>
        <translation>Trier par date</translation>
    </message>
    <message>
        <source>Sort the register by date?</source>
        <translation>Trier le registre par date&#xa0;?</translation>
    </message>
    <message>
        <source>Every transaction moves into date order, the opening row too, and the balances are worked out again. Transactions on the same day keep their order; those whose date can&apos;t be read go to the end.</source>
        <translation>Chaque opération prend sa place dans l&apos;ordre des dates, la ligne initiale aussi, et les soldes sont recalculés. Les opérations du même jour gardent leur ordre&#xa0;; celles dont la date est illisible vont à la fin.</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Ne plus me demander</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
</context>
<context>
    <name>Toolkit</name>
    <message>
        <source>Do you want to save the changes you made in “%1”?</source>
        <translation>Voulez-vous enregistrer les modifications apportées à «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>“%1” already exists.
Do you want to replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
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
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>Sequence &apos;]]&gt;&apos; not allowed in content.</source>
        <translation>La séquence «&#xa0;]]&gt;&#xa0;» n&apos;est pas permise dans le contenu.</translation>
    </message>
    <message>
        <source>Invalid character reference.</source>
        <translation>Référence de caractère non valide.</translation>
    </message>
    <message>
        <source>Entity &apos;%1&apos; not declared.</source>
        <translation>L&apos;entité «&#xa0;%1&#xa0;» n&apos;est pas déclarée.</translation>
    </message>
    <message>
        <source>Reference to unparsed entity &apos;%1&apos;.</source>
        <translation>Référence à l&apos;entité non analysée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Self-referencing entity detected.</source>
        <translation>Une entité fait référence à elle-même.</translation>
    </message>
    <message>
        <source>Entity expands to more characters than the entity expansion limit.</source>
        <translation>Une entité se développe en plus de caractères que la limite ne le permet.</translation>
    </message>
    <message>
        <source>Invalid entity value.</source>
        <translation>Valeur d&apos;entité non valide.</translation>
    </message>
    <message>
        <source>Reference to external entity &apos;%1&apos; in attribute value.</source>
        <translation>Référence à l&apos;entité externe «&#xa0;%1&#xa0;» dans une valeur d&apos;attribut.</translation>
    </message>
    <message>
        <source>a name is longer than 4096 characters</source>
        <translation>un nom dépasse 4096 caractères</translation>
    </message>
    <message>
        <source>Invalid XML version string.</source>
        <translation>Version XML non valide.</translation>
    </message>
    <message>
        <source>Unsupported XML version.</source>
        <translation>Version XML non prise en charge.</translation>
    </message>
    <message>
        <source>The standalone pseudo attribute must appear after the encoding.</source>
        <translation>Le pseudo-attribut standalone doit suivre l&apos;encodage.</translation>
    </message>
    <message>
        <source>%1 is an invalid encoding name.</source>
        <translation>%1 n&apos;est pas un nom d&apos;encodage valide.</translation>
    </message>
    <message>
        <source>Encoding %1 is unsupported</source>
        <translation>L&apos;encodage %1 n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>Standalone accepts only yes or no.</source>
        <translation>standalone n&apos;accepte que yes ou no.</translation>
    </message>
    <message>
        <source>Invalid attribute in XML declaration.</source>
        <translation>Attribut non valide dans la déclaration XML.</translation>
    </message>
    <message>
        <source>%1 is an invalid PUBLIC identifier.</source>
        <translation>%1 n&apos;est pas un identifiant PUBLIC valide.</translation>
    </message>
    <message>
        <source>NDATA in parameter entity declaration.</source>
        <translation>NDATA dans la déclaration d&apos;une entité paramètre.</translation>
    </message>
    <message>
        <source>Invalid XML character.</source>
        <translation>Caractère XML non valide.</translation>
    </message>
    <message>
        <source>Encountered incorrectly encoded content.</source>
        <translation>Contenu mal encodé.</translation>
    </message>
    <message>
        <source>Premature end of document.</source>
        <translation>Fin prématurée du document.</translation>
    </message>
    <message>
        <source>Unexpected end of an entity&apos;s text.</source>
        <translation>Fin inattendue du texte d&apos;une entité.</translation>
    </message>
    <message>
        <source>Unexpected character U+%1.</source>
        <translation>Caractère U+%1 inattendu.</translation>
    </message>
    <message>
        <source>Unexpected “%1”.</source>
        <translation>«&#xa0;%1&#xa0;» inattendu.</translation>
    </message>
    <message>
        <source>Start tag expected.</source>
        <translation>Balise ouvrante attendue.</translation>
    </message>
    <message>
        <source>Extra content at end of document.</source>
        <translation>Contenu superflu à la fin du document.</translation>
    </message>
    <message>
        <source>Expected character data.</source>
        <translation>Données textuelles attendues.</translation>
    </message>
    <message>
        <source>Invalid processing instruction name.</source>
        <translation>Nom d&apos;instruction de traitement non valide.</translation>
    </message>
    <message>
        <source>XML declaration not at start of document.</source>
        <translation>La déclaration XML n&apos;est pas au début du document.</translation>
    </message>
    <message>
        <source>%1 is an invalid processing instruction name.</source>
        <translation>%1 n&apos;est pas un nom d&apos;instruction de traitement valide.</translation>
    </message>
    <message>
        <source>Invalid XML name.</source>
        <translation>Nom XML non valide.</translation>
    </message>
    <message>
        <source>Unexpected end tag.</source>
        <translation>Balise fermante inattendue.</translation>
    </message>
    <message>
        <source>Opening and ending tag mismatch.</source>
        <translation>Les balises ouvrante et fermante ne correspondent pas.</translation>
    </message>
    <message>
        <source>Illegal namespace declaration.</source>
        <translation>Déclaration d&apos;espace de noms non permise.</translation>
    </message>
    <message>
        <source>Namespace prefix &apos;%1&apos; not declared</source>
        <translation>Le préfixe d&apos;espace de noms «&#xa0;%1&#xa0;» n&apos;est pas déclaré</translation>
    </message>
    <message>
        <source>Attribute &apos;%1&apos; redefined.</source>
        <translation>L&apos;attribut «&#xa0;%1&#xa0;» est défini deux fois.</translation>
    </message>
</context>
</TS>
