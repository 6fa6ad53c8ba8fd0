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
    <message>
        <source>Cheqbook&apos;s icon</source>
        <translation>L’icône de Cheqbook</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>AmountSum</name>
    <message>
        <source>the sum is too large</source>
        <translation>la somme est trop grande</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>division par zéro</translation>
    </message>
    <message>
        <source>the sum is nested too deeply</source>
        <translation>la somme est trop profondément imbriquée</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>it belongs to the user %1, and a new version saved by you would belong to you; ask %1 to save it, or save your changes under another name</source>
        <translation>il appartient à l&apos;utilisateur %1, et une nouvelle version enregistrée par vous vous appartiendrait&#xa0;; demandez à %1 de l&apos;enregistrer, ou enregistrez vos modifications sous un autre nom</translation>
    </message>
    <message>
        <source>it belongs to the group %1, which you are not a member of, and a new version saved by you would not; save your changes under another name</source>
        <translation>il appartient au groupe %1, dont vous n&apos;êtes pas membre, et une nouvelle version enregistrée par vous ne lui appartiendrait pas&#xa0;; enregistrez vos modifications sous un autre nom</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>no program is reading from the pipe</source>
        <translation>aucun programme ne lit dans le tube</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>le dossier %1 ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private: %2</source>
        <translation>le dossier %1 ne peut pas être rendu privé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Split (%1)</source>
        <translation>Ventilée (%1)</translation>
    </message>
</context>
<context>
    <name>CategoryEdits</name>
    <message>
        <source>Remove Category</source>
        <translation>Retirer la catégorie</translation>
    </message>
    <message>
        <source>Category “%1”</source>
        <translation>Catégorie «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Apply Rules (1 row)</source>
        <translation>Appliquer les règles (1 ligne)</translation>
    </message>
    <message>
        <source>Apply Rules (%1 rows)</source>
        <translation>Appliquer les règles (%1 lignes)</translation>
    </message>
    <message>
        <source>Remove Split</source>
        <translation>Retirer la ventilation</translation>
    </message>
    <message>
        <source>the transaction&apos;s amount is not a number, so it cannot be split</source>
        <translation>le montant de l&apos;opération n&apos;est pas un nombre&#xa0;: elle ne peut pas être ventilée</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Ventiler</translation>
    </message>
</context>
<context>
    <name>CategoryMenus</name>
    <message>
        <source>Cate&amp;gory Rules…</source>
        <translation>Règles de caté&amp;gorie…</translation>
    </message>
    <message>
        <source>Appl&amp;y Category Rules</source>
        <translation>Appli&amp;quer les règles de catégorie</translation>
    </message>
    <message>
        <source>Gives the selected transactions the categories of the rules their descriptions fit</source>
        <translation>Donne aux opérations sélectionnées les catégories des règles auxquelles leurs descriptions répondent</translation>
    </message>
    <message>
        <source>Spli&amp;t Transaction…</source>
        <translation>Ve&amp;ntiler l&apos;opération…</translation>
    </message>
    <message>
        <source>Categor&amp;y Column</source>
        <translation>Colonne &amp;Catégorie</translation>
    </message>
    <message>
        <source>S&amp;pending by Category</source>
        <translation>&amp;Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Category rules kept: %1</source>
        <translation>Règles de catégorie enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>No category rules</source>
        <translation>Aucune règle de catégorie</translation>
    </message>
    <message>
        <source>There are no category rules yet. Register &gt; Category Rules makes them.</source>
        <translation>Il n&apos;y a pas encore de règles de catégorie. Registre &gt; Règles de catégorie les crée.</translation>
    </message>
    <message>
        <source>Select the transactions to give categories by the rules.</source>
        <translation>Sélectionnez les opérations auxquelles les règles doivent donner une catégorie.</translation>
    </message>
    <message>
        <source>Category rules applied: %1 changed, %2 fitting no rule, %3 split left as they are</source>
        <translation>Règles de catégorie appliquées&#xa0;: %1 modifiées, %2 sans règle, %3 ventilées laissées telles quelles</translation>
    </message>
    <message>
        <source>Select one transaction to split; the opening balance is not one.</source>
        <translation>Sélectionnez une opération à ventiler&#xa0;; le solde d&apos;ouverture n&apos;en est pas une.</translation>
    </message>
    <message>
        <source>The transaction&apos;s amount is not a number, so it cannot be split.</source>
        <translation>Le montant de l&apos;opération n&apos;est pas un nombre&#xa0;: elle ne peut pas être ventilée.</translation>
    </message>
</context>
<context>
    <name>CategoryReport</name>
    <message>
        <source>(no category)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>CategoryRules</name>
    <message>
        <source>the rule says no text to look for</source>
        <translation>la règle ne donne aucun texte à chercher</translation>
    </message>
    <message>
        <source>the rule has no pattern</source>
        <translation>la règle n&apos;a pas de motif</translation>
    </message>
    <message>
        <source>the rule gives no category</source>
        <translation>la règle ne donne aucune catégorie</translation>
    </message>
    <message>
        <source>the pattern “%1” is not one: %2 at character %3</source>
        <translation>le motif «&#xa0;%1&#xa0;» n&apos;en est pas un&#xa0;: %2 au caractère %3</translation>
    </message>
</context>
<context>
    <name>CategoryRulesDialog</name>
    <message>
        <source>Category Rules</source>
        <translation>Règles de catégorie</translation>
    </message>
    <message>
        <source>A transaction whose description fits a rule gets its category; the first rule that fits counts. Letter case does not matter.</source>
        <translation>Une opération dont la description répond à une règle reçoit sa catégorie&#xa0;; la première règle qui convient compte. Majuscules et minuscules sont indifférentes.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Text or pattern</source>
        <translation>Texte ou motif</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>contient</translation>
    </message>
    <message>
        <source>matches the pattern</source>
        <translation>répond au motif</translation>
    </message>
    <message>
        <source>Rule %1 cannot be kept: %2.</source>
        <translation>La règle %1 ne peut pas être enregistrée&#xa0;: %2.</translation>
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
    <message>
        <source>Balance chart</source>
        <translation>Graphique du solde</translation>
    </message>
    <message>
        <source>Its figures are in the table below it.</source>
        <translation>Ses chiffres sont dans le tableau en dessous.</translation>
    </message>
    <message>
        <source>Money in and out chart</source>
        <translation>Graphique des entrées et sorties</translation>
    </message>
    <message>
        <source>Its figures are in the table beside it.</source>
        <translation>Ses chiffres sont dans le tableau à côté.</translation>
    </message>
    <message>
        <source>Payees that took the most</source>
        <translation>Bénéficiaires ayant reçu le plus</translation>
    </message>
    <message>
        <source>The charts&apos; figures</source>
        <translation>Les chiffres des graphiques</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Planifié</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Each period&apos;s money in and out, and the balance at its end</source>
        <translation>Les entrées et sorties de chaque période, et le solde à sa fin</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>S&amp;olde</translation>
    </message>
</context>
<context>
    <name>CheckContent</name>
    <message>
        <source>the register has no row %1 (it has %2)</source>
        <translation>le registre n&apos;a pas de ligne %1 (il en a %2)</translation>
    </message>
    <message>
        <source>row 1 is the opening balance, not a check</source>
        <translation>la ligne 1 est le solde initial, pas un chèque</translation>
    </message>
    <message>
        <source>row %1 (%2) has no amount a check can pay: “%3”</source>
        <translation>la ligne %1 (%2) n&apos;a pas de montant qu&apos;un chèque puisse payer&#xa0;: «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>row %1 (%2) is not a check: it pays %3 in, not out</source>
        <translation>la ligne %1 (%2) n&apos;est pas un chèque&#xa0;: c&apos;est une entrée de %3, pas une sortie</translation>
    </message>
</context>
<context>
    <name>CheckLayout</name>
    <message>
        <source>a quotation mark is not closed</source>
        <translation>un guillemet n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>“%1” is given twice (first on line %2)</source>
        <translation>«&#xa0;%1&#xa0;» est donné deux fois (d&apos;abord à la ligne %2)</translation>
    </message>
    <message>
        <source>“%1” is not a length: write a number such as 6.75, followed by in, mm or pt unless it is in %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une longueur&#xa0;: écrivez un nombre comme 6.75, suivi de in, mm ou pt, sauf s&apos;il est en %2</translation>
    </message>
    <message>
        <source>“%1” is below zero: lengths are measured from the top left corner</source>
        <translation>«&#xa0;%1&#xa0;» est inférieur à zéro&#xa0;: les longueurs se mesurent depuis le coin supérieur gauche</translation>
    </message>
    <message>
        <source>“%1” is longer than any paper</source>
        <translation>«&#xa0;%1&#xa0;» est plus long que toute feuille de papier</translation>
    </message>
    <message>
        <source>“%1” needs %2</source>
        <translation>«&#xa0;%1&#xa0;» demande %2</translation>
    </message>
    <message>
        <source>“%1” is more than “%2” takes</source>
        <translation>«&#xa0;%1&#xa0;» est de trop pour «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>two lengths: x and y</source>
        <translation>deux longueurs&#xa0;: x et y</translation>
    </message>
    <message>
        <source>four lengths: x, y, width and height</source>
        <translation>quatre longueurs&#xa0;: x, y, largeur et hauteur</translation>
    </message>
    <message>
        <source>“%1” needs a width and a height above zero</source>
        <translation>«&#xa0;%1&#xa0;» demande une largeur et une hauteur supérieures à zéro</translation>
    </message>
    <message>
        <source>“%1” is not part of a check layout: a line begins with name, paper, units, font, place, face, stub, or a field (%2)</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie d&apos;un modèle de chèque&#xa0;: une ligne commence par name, paper, units, font, place, face, stub ou un champ (%2)</translation>
    </message>
    <message>
        <source>“units” needs one of in, mm or pt</source>
        <translation>«&#xa0;units&#xa0;» demande in, mm ou pt</translation>
    </message>
    <message>
        <source>“%1” is not a paper Cheqbook knows: write letter, legal, a4, or a width and a height</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un format de papier connu de Cheqbook&#xa0;: écrivez letter, legal, a4, ou une largeur et une hauteur</translation>
    </message>
    <message>
        <source>letter, legal, a4, or a width and a height</source>
        <translation>letter, legal, a4, ou une largeur et une hauteur</translation>
    </message>
    <message>
        <source>the paper needs a width and a height above zero</source>
        <translation>le papier demande une largeur et une hauteur supérieures à zéro</translation>
    </message>
    <message>
        <source>“font” needs a family and a size in points (font &quot;DejaVu Sans&quot; 10)</source>
        <translation>«&#xa0;font&#xa0;» demande une famille et une taille en points (font &quot;DejaVu Sans&quot; 10)</translation>
    </message>
    <message>
        <source>“%1” is not a size: a number of points from 4 to 72</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une taille&#xa0;: un nombre de points de 4 à 72</translation>
    </message>
    <message>
        <source>three lengths: x, y and width</source>
        <translation>trois longueurs&#xa0;: x, y et largeur</translation>
    </message>
    <message>
        <source>“%1” needs a value after it</source>
        <translation>«&#xa0;%1&#xa0;» demande une valeur après lui</translation>
    </message>
    <message>
        <source>“lines” needs a whole number from 1 to 20</source>
        <translation>«&#xa0;lines&#xa0;» demande un nombre entier de 1 à 20</translation>
    </message>
    <message>
        <source>“%1” is not an option of a field (size, font, bold, left, right, center, lines)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une option de champ (size, font, bold, left, right, center, lines)</translation>
    </message>
    <message>
        <source>the field needs a width above zero</source>
        <translation>le champ demande une largeur supérieure à zéro</translation>
    </message>
    <message>
        <source>no “paper” line: letter, legal, a4, or a width and a height</source>
        <translation>aucune ligne «&#xa0;paper&#xa0;»&#xa0;: letter, legal, a4, ou une largeur et une hauteur</translation>
    </message>
    <message>
        <source>no “place” line: a layout places at least one check on a sheet</source>
        <translation>aucune ligne «&#xa0;place&#xa0;»&#xa0;: un modèle place au moins un chèque sur une feuille</translation>
    </message>
    <message>
        <source>no “face” line: where the check lies within its place</source>
        <translation>aucune ligne «&#xa0;face&#xa0;»&#xa0;: où le chèque se trouve dans son emplacement</translation>
    </message>
    <message>
        <source>no “%1” field: a check needs its date, payee, amount and amount in words</source>
        <translation>aucun champ «&#xa0;%1&#xa0;»&#xa0;: un chèque demande sa date, son bénéficiaire, son montant et son montant en lettres</translation>
    </message>
    <message>
        <source>the check placed here</source>
        <translation>le chèque placé ici</translation>
    </message>
    <message>
        <source>the paper</source>
        <translation>de la feuille</translation>
    </message>
    <message>
        <source>the stub of line %1, placed here,</source>
        <translation>le talon de la ligne %1, placé ici,</translation>
    </message>
    <message>
        <source>the %1 field</source>
        <translation>le champ %1</translation>
    </message>
    <message>
        <source>the check</source>
        <translation>du chèque</translation>
    </message>
    <message>
        <source>“stub %1” places a field on the stubs, but the layout has no “stub” line</source>
        <translation>«&#xa0;stub %1&#xa0;» place un champ sur les talons, mais le modèle n&apos;a pas de ligne «&#xa0;stub&#xa0;»</translation>
    </message>
    <message>
        <source>the stub of line %1</source>
        <translation>du talon de la ligne %1</translation>
    </message>
    <message>
        <source>%1 ends %2 beyond the %3 edge of %4</source>
        <translation>%1 dépasse de %2 le bord %3 %4</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droit</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>inférieur</translation>
    </message>
    <message>
        <source>%1: at %2 bytes it is too large to be a check layout</source>
        <translation>%1&#xa0;: avec %2 octets, le fichier est trop grand pour être un modèle de chèque</translation>
    </message>
</context>
<context>
    <name>CheckLayouts</name>
    <message>
        <source>there is no check layout “%1” (there are %2)</source>
        <translation>il n&apos;y a pas de modèle de chèque «&#xa0;%1&#xa0;» (il y a %2)</translation>
    </message>
</context>
<context>
    <name>CheckNumbering</name>
    <message>
        <source>Check numbers begin at 1, not at %1.</source>
        <translation>Les numéros de chèque commencent à 1, pas à %1.</translation>
    </message>
    <message>
        <source>Check numbers end at %1; %2 checks from %3 go beyond.</source>
        <translation>Les numéros de chèque s&apos;arrêtent à %1&#xa0;; %2 chèques à partir de %3 vont au-delà.</translation>
    </message>
    <message>
        <source>Check %1 is already in the register, in row %2; choose a first number after the checks it holds.</source>
        <translation>Le chèque %1 est déjà dans le registre, à la ligne %2&#xa0;; choisissez un premier numéro après les chèques qu&apos;il contient.</translation>
    </message>
    <message>
        <source>VOID: spoiled printing the check to %1</source>
        <translation>ANNULÉ&#xa0;: chèque à %1 gâché à l&apos;impression</translation>
    </message>
    <message>
        <source>Mark %1 Checks to Print</source>
        <translation>Marquage de %1 chèques à imprimer</translation>
    </message>
    <message>
        <source>Number Check %1</source>
        <translation>Numérotation du chèque %1</translation>
    </message>
    <message>
        <source>Number Checks %1–%2</source>
        <translation>Numérotation des chèques %1–%2</translation>
    </message>
    <message>
        <source>Reprint Check %1</source>
        <translation>Réimpression du chèque %1</translation>
    </message>
    <message>
        <source>Reprint Checks %1–%2</source>
        <translation>Réimpression des chèques %1–%2</translation>
    </message>
    <message>
        <source>Mark to Print “%1”</source>
        <translation>Marquage de «&#xa0;%1&#xa0;» à imprimer</translation>
    </message>
    <message>
        <source>Mark to Print Transaction</source>
        <translation>Marquage d&apos;une opération à imprimer</translation>
    </message>
</context>
<context>
    <name>CheckPrintDialog</name>
    <message>
        <source>Export Checks PDF</source>
        <translation>Exporter les chèques en PDF</translation>
    </message>
    <message>
        <source>Print Checks</source>
        <translation>Imprimer les chèques</translation>
    </message>
    <message>
        <source>Check &amp;stock:</source>
        <translation>&amp;Modèle de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>The default printer</source>
        <translation>L&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>Imprima&amp;nte&#xa0;:</translation>
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
        <translation>po</translation>
    </message>
    <message>
        <source>right</source>
        <translation>vers la droite</translation>
    </message>
    <message>
        <source>down</source>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>&amp;Move everything:</source>
        <translation>&amp;Décaler le tout&#xa0;:</translation>
    </message>
    <message>
        <source>Below zero moves the print left or up; the alignment page shows where it lands</source>
        <translation>En dessous de zéro, l&apos;impression se décale vers la gauche ou vers le haut&#xa0;; la page d&apos;alignement montre où elle tombe</translation>
    </message>
    <message>
        <source>Start at chec&amp;k:</source>
        <translation>Commencer au chè&amp;que&#xa0;:</translation>
    </message>
    <message>
        <source>On a sheet whose first checks are used, the first that is left</source>
        <translation>Sur une feuille dont les premiers chèques sont utilisés, le premier qui reste</translation>
    </message>
    <message>
        <source>&amp;First check number:</source>
        <translation>&amp;Premier numéro de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>The number printed on the first check of the stock in the printer</source>
        <translation>Le numéro imprimé sur la première formule de chèque chargée dans l&apos;imprimante</translation>
    </message>
    <message>
        <source>One check to export.</source>
        <translation>Un chèque à exporter.</translation>
    </message>
    <message>
        <source>%1 checks to export.</source>
        <translation>%1 chèques à exporter.</translation>
    </message>
    <message>
        <source>One check to print.</source>
        <translation>Un chèque à imprimer.</translation>
    </message>
    <message>
        <source>%1 checks to print.</source>
        <translation>%1 chèques à imprimer.</translation>
    </message>
    <message>
        <source>Marked to print, they get their numbers now.</source>
        <translation>Marqués à imprimer, ils reçoivent maintenant leur numéro.</translation>
    </message>
    <message>
        <source>%1 of them, marked to print, get their numbers now.</source>
        <translation>%1 d&apos;entre eux, marqués à imprimer, reçoivent maintenant leur numéro.</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Alignment Page…</source>
        <translation>Page d&apos;&amp;alignement…</translation>
    </message>
    <message>
        <source>A grid and each field&apos;s box, to print on plain paper and hold against a sheet of checks to the light</source>
        <translation>Une grille et le cadre de chaque champ, à imprimer sur papier ordinaire et à superposer à contre-jour à une feuille de chèques</translation>
    </message>
    <message>
        <source> of %1 on the sheet</source>
        <translation> sur %1 de la feuille</translation>
    </message>
</context>
<context>
    <name>CheckPrinter</name>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>check %1</source>
        <translation>chèque %1</translation>
    </message>
    <message>
        <source>stub</source>
        <translation>talon</translation>
    </message>
    <message>
        <source>%1 could not be written: the checks could not be laid out</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: les chèques n&apos;ont pas pu être mis en page</translation>
    </message>
</context>
<context>
    <name>CheckPrinting</name>
    <message>
        <source>Print Checks</source>
        <translation>Imprimer les chèques</translation>
    </message>
    <message>
        <source>There is no check to print.

Select the checks (transactions that pay money out), or mark them to print with a P in their Check # or Register &gt; Mark to Print.</source>
        <translation>Il n&apos;y a aucun chèque à imprimer.

Sélectionnez les chèques (opérations qui font sortir de l&apos;argent), ou marquez-les à imprimer avec un P dans leur N° chèque ou par Registre &gt; Marquer à imprimer.</translation>
    </message>
    <message>
        <source>The checks have their new numbers but are not printed again: select them and choose Register &gt; Print Checks.</source>
        <translation>Les chèques ont leurs nouveaux numéros mais ne sont pas réimprimés&#xa0;: sélectionnez-les et choisissez Registre &gt; Imprimer les chèques.</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Chèques</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 chèques</translation>
    </message>
    <message>
        <source>Export Checks PDF</source>
        <translation>Exporter les chèques en PDF</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The checks could not be exported.

%1</source>
        <translation>Les chèques n&apos;ont pas pu être exportés.

%1</translation>
    </message>
    <message>
        <source>Checks exported: %1.</source>
        <translation>Chèques exportés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Checks printed: %1.</source>
        <translation>Chèques imprimés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The marked ones are numbered from %1.</source>
        <translation>Les chèques marqués sont numérotés à partir de %1.</translation>
    </message>
    <message>
        <source>The payee address book cannot be read.

%1</source>
        <translation>Le carnet d&apos;adresses des bénéficiaires ne peut pas être lu.

%1</translation>
    </message>
    <message>
        <source>These rows cannot be printed as checks: %1.</source>
        <translation>Ces lignes ne peuvent pas être imprimées comme chèques&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The checks could not be printed: the printer refused them. No check was numbered.</source>
        <translation>Les chèques n&apos;ont pas pu être imprimés&#xa0;: l&apos;imprimante les a refusés. Aucun chèque n&apos;a été numéroté.</translation>
    </message>
    <message>
        <source>Did the checks print correctly?

If a sheet jammed, smeared or printed out of place, Reprint gives these checks new numbers from %1 on, keeps each spoiled number on a void row, and prints them again.</source>
        <translation>Les chèques se sont-ils bien imprimés&#xa0;?

Si une feuille s&apos;est coincée, a bavé ou s&apos;est imprimée de travers, «&#xa0;Réimprimer&#xa0;» donne à ces chèques de nouveaux numéros à partir de %1, garde chaque numéro gâché sur une ligne annulée et les imprime à nouveau.</translation>
    </message>
    <message>
        <source>Printed Correctly</source>
        <translation>Bien imprimés</translation>
    </message>
    <message>
        <source>Reprint…</source>
        <translation>Réimprimer…</translation>
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
        <source>Export Alignment Page</source>
        <translation>Exporter la page d&apos;alignement</translation>
    </message>
    <message>
        <source>Alignment page.pdf</source>
        <translation>Page d&apos;alignement.pdf</translation>
    </message>
    <message>
        <source>Alignment page</source>
        <translation>Page d&apos;alignement</translation>
    </message>
    <message>
        <source>The alignment page could not be printed: the printer refused it.</source>
        <translation>La page d&apos;alignement n&apos;a pas pu être imprimée&#xa0;: l&apos;imprimante l&apos;a refusée.</translation>
    </message>
    <message>
        <source>Only transactions that pay money out can be marked to print as checks.</source>
        <translation>Seules les opérations qui font sortir de l&apos;argent peuvent être marquées à imprimer comme chèques.</translation>
    </message>
    <message>
        <source>Checks marked to print: %1. Register &gt; Print Checks numbers and prints them.</source>
        <translation>Chèques marqués à imprimer&#xa0;: %1. Registre &gt; Imprimer les chèques les numérote et les imprime.</translation>
    </message>
    <message>
        <source>Payee Address</source>
        <translation>Adresse du bénéficiaire</translation>
    </message>
    <message>
        <source>Please select the transaction whose payee it is!</source>
        <translation>Sélectionnez une opération du bénéficiaire voulu&#xa0;!</translation>
    </message>
    <message>
        <source>The selected transaction names no payee.</source>
        <translation>L&apos;opération sélectionnée ne nomme aucun bénéficiaire.</translation>
    </message>
    <message>
        <source>The address printed under “%1” on checks, a line each (at most %2 lines; empty to forget it):</source>
        <translation>L&apos;adresse imprimée sous «&#xa0;%1&#xa0;» sur les chèques, un élément par ligne (%2 lignes au plus&#xa0;; vide pour l&apos;oublier)&#xa0;:</translation>
    </message>
    <message>
        <source>The address was not kept.

%1</source>
        <translation>L&apos;adresse n&apos;a pas été conservée.

%1</translation>
    </message>
    <message>
        <source>No address is printed for “%1”.</source>
        <translation>Aucune adresse n&apos;est imprimée pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The address of “%1” is kept.</source>
        <translation>L&apos;adresse de «&#xa0;%1&#xa0;» est conservée.</translation>
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
    <name>ConflictChooser</name>
    <message>
        <source>Merge Conflicts</source>
        <translation>Conflits de fusion</translation>
    </message>
    <message>
        <source>Both versions changed these differently. Choose what the merged register keeps; the rest of “%1” is merged as it is.</source>
        <translation>Les deux versions ont modifié ceci différemment. Choisissez ce que garde le registre fusionné&#xa0;; le reste de «&#xa0;%1&#xa0;» est fusionné tel quel.</translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>Other Computer</source>
        <translation>Autre ordinateur</translation>
    </message>
    <message>
        <source>Deleted here, changed there</source>
        <translation>Supprimée ici, modifiée là-bas</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimée</translation>
    </message>
    <message>
        <source>Kept as changed</source>
        <translation>Gardée modifiée</translation>
    </message>
    <message>
        <source>Changed here, deleted there</source>
        <translation>Modifiée ici, supprimée là-bas</translation>
    </message>
    <message>
        <source>Keep All Mine</source>
        <translation>Tout garder de mon côté</translation>
    </message>
    <message>
        <source>Take All Theirs</source>
        <translation>Tout prendre de l&apos;autre</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
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
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochées</translation>
    </message>
    <message>
        <source>Not reconciled</source>
        <translation>Non rapprochées</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>a date (Date, Posting Date, Datum, Buchungstag, Date opération, Fecha, Boekdatum, Data…), an amount (Amount, Betrag, Montant, Importe, Bedrag, Importo…) or money out and in (Debit and Credit, Withdrawal and Deposit, Soll and Haben, Débit and Crédit, Cargo and Abono, Af and Bij, Dare and Avere…), and a description (Description, Payee, Name, Auftraggeber, Libellé, Concepto, Omschrijving, Descrizione…)</source>
        <translation>une date (Date, Date opération, Posting Date, Datum, Buchungstag, Fecha, Boekdatum, Data…), un montant (Montant, Amount, Betrag, Importe, Bedrag, Importo…) ou des sorties et entrées (Débit et Crédit, Debit et Credit, Withdrawal et Deposit, Soll et Haben, Cargo et Abono, Af et Bij, Dare et Avere…), et un libellé (Libellé, Description, Payee, Name, Auftraggeber, Concepto, Omschrijving, Descrizione…)</translation>
    </message>
    <message>
        <source>semicolon</source>
        <extracomment>The separator&apos;s name in a sentence (&quot;the lines are separated by %1s&quot;).</extracomment>
        <translation>point-virgule</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Cheqbook now keeps its data in %1. These were left in %2, since the new folder holds the same names: %3</source>
        <translation>Cheqbook garde désormais ses données dans %1. Ceux-ci sont restés dans %2, car le nouveau dossier contient les mêmes noms&#xa0;: %3</translation>
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
    <message>
        <source>Registers (*.ldgr);;All files (*)</source>
        <translation>Registres (*.ldgr);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>“%1” is already open in another Cheqbook%2.
If both save it, one will overwrite the other&apos;s changes.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà ouvert dans un autre Cheqbook%2.
Si les deux l&apos;enregistrent, l&apos;un écrasera les modifications de l&apos;autre.</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>Opening “%1”…</source>
        <translation>Ouverture de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>The register “%1” could not be opened.

%2</source>
        <translation>Le registre «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert.

%2</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Soldes</translation>
    </message>
    <message>
        <source>In “%1”, %2.
Cheqbook shows the balances the amounts give, and saves them so.</source>
        <translation>Dans «&#xa0;%1&#xa0;», %2.
Cheqbook affiche les soldes que donnent les montants, et les enregistre ainsi.</translation>
    </message>
    <message>
        <source>Open Register</source>
        <translation>Ouvrir un registre</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (lecture seule)</translation>
    </message>
    <message>
        <source>Save Register</source>
        <translation>Enregistrer le registre</translation>
    </message>
    <message>
        <source>“%1” was changed by another program since you opened it.
Saving replaces those changes with yours.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme depuis que vous l&apos;avez ouvert.
L&apos;enregistrer remplace ces modifications par les vôtres.</translation>
    </message>
    <message>
        <source>“%1” was moved or deleted since you opened it.
Save it again where it was?</source>
        <translation>«&#xa0;%1&#xa0;» a été déplacé ou supprimé depuis que vous l&apos;avez ouvert.
L&apos;enregistrer de nouveau là où il était&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>“%1” is open in another Cheqbook%2.
If both save it, one will overwrite the other&apos;s changes.</source>
        <translation>«&#xa0;%1&#xa0;» est ouvert dans un autre Cheqbook%2.
Si les deux l&apos;enregistrent, l&apos;un écrasera les modifications de l&apos;autre.</translation>
    </message>
    <message>
        <source>Saving “%1”…</source>
        <translation>Enregistrement de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>The register “%1” could not be saved.

%2</source>
        <translation>Le registre «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré.

%2</translation>
    </message>
    <message>
        <source>Revert to Saved</source>
        <translation>Revenir à la version enregistrée</translation>
    </message>
    <message>
        <source>Do you want to revert “%1” to the version last saved?
The changes you made since then will be lost.</source>
        <translation>Voulez-vous ramener «&#xa0;%1&#xa0;» à la dernière version enregistrée&#xa0;?
Les modifications faites depuis seront perdues.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revenir</translation>
    </message>
    <message>
        <source>Reading “%1” again…</source>
        <translation>Nouvelle lecture de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>The register “%1” could not be read again.

%2</source>
        <translation>Le registre «&#xa0;%1&#xa0;» n&apos;a pas pu être relu.

%2</translation>
    </message>
    <message>
        <source>Revert To</source>
        <translation>Revenir à</translation>
    </message>
    <message>
        <source>Do you want to go back to the version of “%1” saved %2?
The window shows that version until you save it, which makes it the register again. The changes not saved will be lost.</source>
        <translation>Voulez-vous revenir à la version de «&#xa0;%1&#xa0;» enregistrée le %2&#xa0;?
La fenêtre montre cette version jusqu&apos;à ce que vous l&apos;enregistriez, ce qui en refait le registre. Les modifications non enregistrées seront perdues.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reading the version saved %1…</source>
        <translation>Lecture de la version enregistrée le %1…</translation>
    </message>
    <message>
        <source>The version of “%1” saved %2 could not be read.

%3</source>
        <translation>La version de «&#xa0;%1&#xa0;» enregistrée le %2 n&apos;a pas pu être lue.

%3</translation>
    </message>
    <message>
        <source>Revert &amp;To</source>
        <translation>Revenir à une version an&amp;térieure</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistrée le %1</translation>
    </message>
    <message>
        <source>No Earlier Versions</source>
        <translation>Aucune version antérieure</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>Cheqbook cannot keep a copy of your unsaved changes, so they would be lost if it stopped unexpectedly. Save often until this is mended.

%1</source>
        <translation>Cheqbook ne peut pas garder de copie de vos modifications non enregistrées&#xa0;: elles seraient perdues s&apos;il s&apos;arrêtait de façon inattendue. Enregistrez souvent jusqu&apos;à ce que ce soit réparé.

%1</translation>
    </message>
    <message>
        <source>

It stays where it is.</source>
        <translation>

Elle reste où elle est.</translation>
    </message>
    <message>
        <source>

It was moved to %1; Cheqbook deletes it once it has been there %2 days (from %3 on).</source>
        <translation>

Elle a été déplacée dans %1&#xa0;; Cheqbook la supprime quand elle y est depuis %2 jours (à partir du %3).</translation>
    </message>
    <message>
        <source>Cheqbook kept a copy of unsaved changes that cannot be read, so it cannot be offered back:
%1

%2%3</source>
        <translation>Cheqbook a gardé une copie de modifications non enregistrées qui ne peut pas être lue, et ne peut donc pas être proposée&#xa0;:
%1

%2%3</translation>
    </message>
    <message>
        <source>a new register</source>
        <translation>un nouveau registre</translation>
    </message>
    <message>
        <source>Discarded changes are kept for %1 days in %2.</source>
        <translation>Les modifications abandonnées sont gardées %1 jours dans %2.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Cheqbook closed unexpectedly while %1 had changes that were not saved.
Do you want to restore them?

%2</source>
        <translation>Cheqbook s&apos;est fermé de façon inattendue alors que %1 avait des modifications non enregistrées.
Voulez-vous les restaurer&#xa0;?

%2</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>%1 was changed, moved or deleted by another program after these changes were made.
Keep the recovered changes in a window of their own? Saving them would replace what is in the file now, and Cheqbook asks before it does.

%2</source>
        <translation>%1 a été modifié, déplacé ou supprimé par un autre programme après ces modifications.
Garder les modifications récupérées dans une fenêtre à part&#xa0;? Les enregistrer remplacerait le contenu actuel du fichier, et Cheqbook demande avant de le faire.

%2</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Already Open</source>
        <translation>Déjà ouvert</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrou</translation>
    </message>
    <message>
        <source>Cheqbook cannot tell whether “%1” is open in another Cheqbook: its lock file %2 cannot be used (%3). Another Cheqbook that opens it will not be warned either.</source>
        <translation>Cheqbook ne peut pas savoir si «&#xa0;%1&#xa0;» est ouvert dans un autre Cheqbook&#xa0;: son fichier de verrou %2 est inutilisable (%3). Un autre Cheqbook qui l&apos;ouvre ne sera pas averti non plus.</translation>
    </message>
    <message>
        <source>Merge takes them in beside yours, for you to look over before you save.</source>
        <translation>Fusionner les reprend à côté des vôtres, pour que vous les vérifiiez avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
</context>
<context>
    <name>DueDialog</name>
    <message>
        <source>, once</source>
        <translation>, une fois</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n fois</numerusform>
            <numerusform>, %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Scheduled Transactions</source>
        <translation>Opérations planifiées</translation>
    </message>
    <message>
        <source>1 scheduled transaction is due.</source>
        <translation>1 opération planifiée est due.</translation>
    </message>
    <message numerus="yes">
        <source>%n scheduled transactions are due.</source>
        <translation>
            <numerusform>%n opération planifiée est due.</numerusform>
            <numerusform>%n opérations planifiées sont dues.</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Saisir</translation>
    </message>
    <message>
        <source>Enters the ticked transactions into the register, as one step Undo takes back</source>
        <translation>Saisit les opérations cochées dans le registre, en une étape qu&apos;Annuler reprend</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Enters nothing for the ticked transactions; they are not offered again</source>
        <translation>Ne saisit rien pour les opérations cochées&#xa0;; elles ne sont plus proposées</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Offers them again in an hour, and when the register is next opened</source>
        <translation>Les propose de nouveau dans une heure, et à la prochaine ouverture du registre</translation>
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
        <translation>&amp;Terminé</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>user %1</source>
        <translation>utilisateur %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it keeps being replaced</source>
        <translation>il est sans cesse remplacé</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>processus %1 sur %2</translation>
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
    <name>ImportDialogs</name>
    <message>
        <source>The statement “%1” could not be imported.

%2</source>
        <translation>Le relevé «&#xa0;%1&#xa0;» n&apos;a pas pu être importé.

%2</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>Lecture de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
</context>
<context>
    <name>ImportDuplicates</name>
    <message>
        <source>taken as the register’s %1</source>
        <translation>prise pour celle du registre&#xa0;: %1</translation>
    </message>
    <message>
        <source>probably already in the register: %1</source>
        <translation>probablement déjà dans le registre&#xa0;: %1</translation>
    </message>
    <message>
        <source>already in the register: %1</source>
        <translation>déjà dans le registre&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Field %1</source>
        <translation>Champ %1</translation>
    </message>
    <message>
        <source>The file holds %1 accounts: choose the one this register keeps.</source>
        <translation>Le fichier contient %1 comptes&#xa0;: choisissez celui que tient ce registre.</translation>
    </message>
    <message>
        <source>: choose which column is which.</source>
        <translation>&#xa0;: indiquez quelle colonne est laquelle.</translation>
    </message>
    <message>
        <source>: choose another date column.</source>
        <translation>&#xa0;: choisissez une autre colonne de date.</translation>
    </message>
    <message>
        <source>The dates read both as month/day/year and as day/month/year: choose their order.</source>
        <translation>Les dates se lisent aussi bien mois/jour/année que jour/mois/année&#xa0;: choisissez leur ordre.</translation>
    </message>
    <message>
        <source>: choose whether they are money out (a card’s charges) or money in.</source>
        <translation>&#xa0;: indiquez s&apos;il s&apos;agit de sorties (les débits d&apos;une carte) ou d&apos;entrées.</translation>
    </message>
    <message>
        <source>1 transaction to add</source>
        <translation>1 opération à ajouter</translation>
    </message>
    <message>
        <source>%1 transactions to add</source>
        <translation>%1 opérations à ajouter</translation>
    </message>
    <message>
        <source>1 already in the register</source>
        <translation>1 déjà dans le registre</translation>
    </message>
    <message>
        <source>%1 already in the register</source>
        <translation>%1 déjà dans le registre</translation>
    </message>
    <message>
        <source>1 to mark reconciled</source>
        <translation>1 à marquer rapprochée</translation>
    </message>
    <message>
        <source>%1 to mark reconciled</source>
        <translation>%1 à marquer rapprochées</translation>
    </message>
    <message>
        <source>1 left out for the reason it shows</source>
        <translation>1 écartée pour la raison indiquée</translation>
    </message>
    <message>
        <source>%1 left out for the reasons they show</source>
        <translation>%1 écartées pour les raisons indiquées</translation>
    </message>
    <message>
        <source>1 line that is not a transaction</source>
        <translation>1 ligne qui n&apos;est pas une opération</translation>
    </message>
    <message>
        <source>%1 lines that are not transactions</source>
        <translation>%1 lignes qui ne sont pas des opérations</translation>
    </message>
    <message>
        <source>1 of them a scheduled transaction</source>
        <translation>dont 1 opération planifiée</translation>
    </message>
    <message>
        <source>%1 of them scheduled transactions</source>
        <translation>dont %1 opérations planifiées</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>Importer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>as written (minus is money out)</source>
        <translation>tels qu&apos;écrits (le moins est une sortie)</translation>
    </message>
    <message>
        <source>money out (a card’s charges)</source>
        <translation>des sorties (les débits d&apos;une carte)</translation>
    </message>
    <message>
        <source>Decimal comma (-1.234,56)</source>
        <translation>Virgule décimale (-1.234,56)</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Header line</source>
        <translation>Ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Ordre des dates</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Money out</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Money in</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Numéro de chèque</translation>
    </message>
    <message>
        <source>Debit/credit word</source>
        <translation>Mot débit/crédit</translation>
    </message>
    <message>
        <source>Amounts are</source>
        <translation>Les montants sont</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Match All Entered</source>
        <translation>Associer toutes les saisies</translation>
    </message>
    <message>
        <source>Take every line that is probably a transaction you entered as that one, and mark it reconciled</source>
        <translation>Prendre chaque ligne qui est probablement une opération que vous avez saisie pour celle-ci, et la marquer rapprochée</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Champ %1</translation>
    </message>
    <message>
        <source>An OFX statement of %1 accounts.</source>
        <translation>Un relevé OFX de %1 comptes.</translation>
    </message>
    <message>
        <source>An OFX statement.</source>
        <translation>Un relevé OFX.</translation>
    </message>
    <message>
        <source> Its ledger balance is %1 on %2; after the import it is in the balancing panel.</source>
        <translation> Son solde comptable est de %1 au %2&#xa0;; après l&apos;import, il figure dans le panneau de rapprochement.</translation>
    </message>
    <message>
        <source>CSV without a header, read as date, amount, -, -, description.</source>
        <translation>CSV sans en-tête, lu comme date, montant, -, -, libellé.</translation>
    </message>
    <message>
        <source>CSV with its header on line %1.</source>
        <translation>CSV avec son en-tête à la ligne %1.</translation>
    </message>
    <message>
        <source>CSV without a header, in the layout below.</source>
        <translation>CSV sans en-tête, selon la disposition ci-dessous.</translation>
    </message>
    <message>
        <source> The layout is the one chosen for this bank before.</source>
        <translation> La disposition est celle choisie auparavant pour cette banque.</translation>
    </message>
    <message>
        <source>As written</source>
        <translation>Tel qu&apos;écrit</translation>
    </message>
    <message>
        <source>The statement&apos;s lines</source>
        <translation>Les lignes du relevé</translation>
    </message>
    <message>
        <source>Keep as a Rule</source>
        <translation>Garder comme règle</translation>
    </message>
    <message>
        <source>Keep as a Rule: Description Contains “%1” → %2</source>
        <translation>Garder comme règle&#xa0;: la description contient «&#xa0;%1&#xa0;» → %2</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Add the line to the register as a new transaction</source>
        <translation>Ajouter la ligne au registre comme nouvelle opération</translation>
    </message>
    <message>
        <source>Take the line as the transaction you entered, and mark that one reconciled</source>
        <translation>Prendre la ligne pour l&apos;opération que vous avez saisie, et marquer celle-ci rapprochée</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Associer</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>matched: %1</source>
        <translation>associée&#xa0;: %1</translation>
    </message>
    <message>
        <source>new; %1</source>
        <translation>nouvelle&#xa0;; %1</translation>
    </message>
    <message>
        <source>the register’s %1</source>
        <translation>celle du registre&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (money out)</source>
        <translation>%1 (sortie)</translation>
    </message>
    <message>
        <source>%1 (money in)</source>
        <translation>%1 (entrée)</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouvelle</translation>
    </message>
    <message>
        <source>From the rule: the description matches the pattern “%1”</source>
        <translation>Selon la règle&#xa0;: la description correspond au motif «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>From the rule: the description contains “%1”</source>
        <translation>Selon la règle&#xa0;: la description contient «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>From the scheduled transaction “%1”</source>
        <translation>Selon l&apos;opération planifiée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Chosen here; right-click to keep it as a rule</source>
        <translation>Choisie ici&#xa0;; clic droit pour la garder comme règle</translation>
    </message>
    <message>
        <source>No rule fits; double-click to choose a category</source>
        <translation>Aucune règle ne convient&#xa0;; double-cliquez pour choisir une catégorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Enters: %1, %2</source>
        <translation>Saisit&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>The line is the scheduled transaction “%1” of %2: it is added under that name, and that occurrence is not offered again</source>
        <translation>La ligne est l&apos;opération planifiée «&#xa0;%1&#xa0;» du %2&#xa0;: elle est ajoutée sous ce nom, et cette échéance n&apos;est plus proposée</translation>
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
    <name>MergeOffers</name>
    <message>
        <source>A second version of this register was made on another computer.</source>
        <translation>Une deuxième version de ce registre a été faite sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>A second version of this register was made on another computer (%1).</source>
        <translation>Une deuxième version de ce registre a été faite sur un autre ordinateur (%1).</translation>
    </message>
    <message>
        <source>Merge it?</source>
        <translation>La fusionner&#xa0;?</translation>
    </message>
    <message>
        <source>“%1” lies beside it. Merged, it is kept in %2 once you save.</source>
        <translation>«&#xa0;%1&#xa0;» est à côté. Fusionnée, elle est rangée dans %2 quand vous enregistrez.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>“%1” cannot be merged into this register. Nothing was changed.

%2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être fusionné avec ce registre. Rien n&apos;a été modifié.

%2</translation>
    </message>
    <message>
        <source>This register holds everything of “%1” already.</source>
        <translation>Ce registre contient déjà tout ce que contient «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The merged copy “%1” could not be moved into %2; it stays where it is.%3</source>
        <translation>La copie fusionnée «&#xa0;%1&#xa0;» n&apos;a pas pu être déplacée dans %2&#xa0;; elle reste où elle est.%3</translation>
    </message>
    <message>
        <source>The version of “%1” on disk cannot be merged into this window’s. Nothing was changed.

%2</source>
        <translation>La version de «&#xa0;%1&#xa0;» sur le disque ne peut pas être fusionnée avec celle de cette fenêtre. Rien n&apos;a été modifié.

%2</translation>
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
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>No file was given.</source>
        <translation>Aucun fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>%1 could not be written: the document holds no register.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: le document ne contient aucun registre.</translation>
    </message>
    <message>
        <source>The register has never been saved.</source>
        <translation>Le registre n&apos;a jamais été enregistré.</translation>
    </message>
    <message>
        <source>Categ&amp;ory</source>
        <translation>Catég&amp;orie</translation>
    </message>
    <message>
        <source>Where the money went, like Food:Groceries; a payee entered before brings the category it had</source>
        <translation>Où est allé l’argent, par exemple Alimentation:Courses&#xa0;; un bénéficiaire déjà saisi apporte sa catégorie</translation>
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
        <translation>Retirer sa marque la sort de ce relevé et du solde pointé&#xa0;: le registre ne concorde plus avec la banque.</translation>
    </message>
    <message>
        <source>Changing its amount changes the cleared balance, so the register no longer agrees with the bank.</source>
        <translation>Changer son montant change le solde pointé&#xa0;: le registre ne concorde plus avec la banque.</translation>
    </message>
    <message>
        <source>Changing its date can take it out of the statement it cleared, so the register no longer agrees with the bank.</source>
        <translation>Changer sa date peut la sortir du relevé où elle a été pointée&#xa0;: le registre ne concorde plus avec la banque.</translation>
    </message>
    <message>
        <source>reconciliation</source>
        <comment>a file name: the register&apos;s name, this, and the statement&apos;s date</comment>
        <translation>rapprochement</translation>
    </message>
    <message>
        <source>Deleting it takes its amount out of the cleared balance, so the register no longer agrees with the bank. Edit &gt; Undo puts it back.</source>
        <translation>La supprimer retire son montant du solde pointé&#xa0;: le registre ne concorde plus avec la banque. Édition &gt; Annuler la rétablit.</translation>
    </message>
    <message>
        <source>Last statement: %1, ending balance %2</source>
        <translation>Dernier relevé&#xa0;: %1, solde final %2</translation>
    </message>
    <message>
        <source>The closing date “%1” is not a date Cheqbook reads, like %2.</source>
        <translation>La date du relevé «&#xa0;%1&#xa0;» n&apos;est pas une date que Cheqbook lit, comme %2.</translation>
    </message>
    <message>
        <source>The ending balance: %1.</source>
        <translation>Le solde final&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The register agrees with the statement</source>
        <translation>Le registre concorde avec le relevé</translation>
    </message>
    <message>
        <source>The statement&apos;s balance minus the cleared balance</source>
        <translation>Le solde du relevé moins le solde pointé</translation>
    </message>
    <message>
        <source>Unreconcile Anyway</source>
        <translation>Annuler le rapprochement quand même</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Opération rapprochée</translation>
    </message>
    <message>
        <source>This transaction was reconciled with a statement. </source>
        <translation>Cette opération a été rapprochée avec un relevé. </translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Clôturer</translation>
    </message>
    <message>
        <source>Type the statement&apos;s closing date and ending balance first.</source>
        <translation>Saisissez d&apos;abord la date et le solde final du relevé.</translation>
    </message>
    <message>
        <source>The register is %1 away from the statement.</source>
        <translation>Le registre s&apos;écarte du relevé de %1.</translation>
    </message>
    <message>
        <source>Finish Anyway</source>
        <translation>Clôturer quand même</translation>
    </message>
    <message>
        <source>No transaction was reconciled since the last statement, so there is nothing to record.</source>
        <translation>Aucune opération n&apos;a été rapprochée depuis le dernier relevé&#xa0;: il n&apos;y a rien à enregistrer.</translation>
    </message>
    <message>
        <source>The statement of %1 is finished: 1 transaction reconciled with it.</source>
        <translation>Le relevé du %1 est clôturé&#xa0;: 1 opération rapprochée avec lui.</translation>
    </message>
    <message numerus="yes">
        <source>The statement of %1 is finished: %n transactions reconciled with it.</source>
        <translation>
            <numerusform>Le relevé du %1 est clôturé&#xa0;: %n opération rapprochée avec lui.</numerusform>
            <numerusform>Le relevé du %1 est clôturé&#xa0;: %n opérations rapprochées avec lui.</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawing the charts…</source>
        <translation>Tracé des graphiques…</translation>
    </message>
    <message>
        <source>Charts — %1</source>
        <translation>Graphiques — %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save Charts</source>
        <translation>Enregistrer les graphiques</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The charts could not be drawn as a picture.</source>
        <translation>Les graphiques n&apos;ont pas pu être dessinés en image.</translation>
    </message>
    <message>
        <source>The charts could not be saved.

%1</source>
        <translation>Les graphiques n&apos;ont pas pu être enregistrés.

%1</translation>
    </message>
    <message>
        <source>The charts could not be printed: the printer could not be used.</source>
        <translation>Les graphiques n&apos;ont pas pu être imprimés&#xa0;: l&apos;imprimante est inutilisable.</translation>
    </message>
    <message>
        <source>The charts could not be printed: the printer did not take them.</source>
        <translation>Les graphiques n&apos;ont pas pu être imprimés&#xa0;: l&apos;imprimante ne les a pas acceptés.</translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation>Rapprochement</translation>
    </message>
    <message>
        <source>There is no statement to report on yet. Balance a month against the bank&apos;s statement first (Register &gt; Balance Month), typing its closing date and ending balance.</source>
        <translation>Il n&apos;y a pas encore de relevé sur lequel faire un rapport. Rapprochez d&apos;abord un mois avec le relevé de la banque (Registre &gt; Rapprocher le mois), en saisissant sa date et son solde final.</translation>
    </message>
    <message>
        <source>Export Reconciliation PDF</source>
        <translation>Exporter le rapprochement en PDF</translation>
    </message>
    <message>
        <source>The reconciliation could not be exported.

%1</source>
        <translation>Le rapprochement n&apos;a pas pu être exporté.

%1</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Importer un relevé</translation>
    </message>
    <message>
        <source>Bank statements (*.csv *.CSV *.ofx *.OFX *.qfx *.QFX *.txt *.TXT);;All files (*)</source>
        <translation>Relevés bancaires (*.csv *.CSV *.ofx *.OFX *.qfx *.QFX *.txt *.TXT);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The statement&apos;s ledger balance is in the balancing panel (Register ▸ Balance Month).</source>
        <translation>Le solde comptable du relevé figure dans le panneau de rapprochement (Registre ▸ Rapprocher le mois).</translation>
    </message>
    <message>
        <source>New Year</source>
        <translation>Nouvelle année</translation>
    </message>
    <message>
        <source>Registers (*.ldgr)</source>
        <translation>Registres (*.ldgr)</translation>
    </message>
    <message>
        <source>The new year&apos;s register cannot replace this one.
Please choose another name!</source>
        <translation>Le registre de la nouvelle année ne peut pas remplacer celui-ci.
Veuillez choisir un autre nom&#xa0;!</translation>
    </message>
    <message>
        <source>The new year&apos;s register could not be written.

%1</source>
        <translation>Le registre de la nouvelle année n&apos;a pas pu être écrit.

%1</translation>
    </message>
    <message>
        <source>Print &amp;Checks…</source>
        <translation>Imprimer les &amp;chèques…</translation>
    </message>
    <message>
        <source>Prints the selected checks, or every check marked to print, on check stock</source>
        <translation>Imprime les chèques sélectionnés, ou tous les chèques marqués à imprimer, sur des formules de chèque</translation>
    </message>
    <message>
        <source>E&amp;xport Checks PDF…</source>
        <translation>E&amp;xporter les chèques en PDF…</translation>
    </message>
    <message>
        <source>&amp;Mark to Print</source>
        <translation>&amp;Marquer à imprimer</translation>
    </message>
    <message>
        <source>Puts a P in the Check # of the selected checks: they get their numbers when printed</source>
        <translation>Met un P dans le N° chèque des chèques sélectionnés&#xa0;: ils reçoivent leur numéro à l&apos;impression</translation>
    </message>
    <message>
        <source>Payee &amp;Address…</source>
        <translation>&amp;Adresse du bénéficiaire…</translation>
    </message>
    <message>
        <source>The address printed on checks under the selected transaction&apos;s payee</source>
        <translation>L&apos;adresse imprimée sur les chèques sous le bénéficiaire de l&apos;opération sélectionnée</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Dernière date</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Fit C&amp;olumns</source>
        <translation>A&amp;juster les colonnes</translation>
    </message>
    <message>
        <source>A split transaction&apos;s categories are those of its lines: Register &gt; Split Transaction changes them.</source>
        <translation>Les catégories d&apos;une opération ventilée sont celles de ses lignes&#xa0;: Registre &gt; Ventiler l&apos;opération les modifie.</translation>
    </message>
    <message>
        <source>Select the one transaction to repeat.</source>
        <translation>Sélectionnez l&apos;opération à répéter.</translation>
    </message>
    <message>
        <source>Sc&amp;hedules</source>
        <translation>P&amp;lanifiées</translation>
    </message>
    <message>
        <source>&amp;Schedules…</source>
        <translation>&amp;Échéanciers…</translation>
    </message>
    <message>
        <source>&amp;New Schedule…</source>
        <translation>&amp;Nouvel échéancier…</translation>
    </message>
    <message>
        <source>A schedule of the transaction in the entry fields</source>
        <translation>Un échéancier de l&apos;opération des champs de saisie</translation>
    </message>
    <message>
        <source>&amp;Repeat…</source>
        <translation>&amp;Répéter…</translation>
    </message>
    <message>
        <source>A schedule repeating the selected transaction</source>
        <translation>Un échéancier qui répète l&apos;opération sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Enter Due Transactions…</source>
        <translation>Saisir les opérations &amp;dues…</translation>
    </message>
    <message>
        <source>Su&amp;ggest…</source>
        <translation>S&amp;uggérer…</translation>
    </message>
    <message>
        <source>Payees the register shows coming round regularly, proposed as schedules</source>
        <translation>Les bénéficiaires qui reviennent régulièrement dans le registre, proposés comme échéanciers</translation>
    </message>
    <message>
        <source>Set Reser&amp;ve…</source>
        <translation>Définir la ré&amp;serve…</translation>
    </message>
    <message>
        <source>Merge Another Version</source>
        <translation>Fusionner avec une autre version</translation>
    </message>
    <message>
        <source>&amp;Merge Another Version…</source>
        <translation>Fusionner ave&amp;c une autre version…</translation>
    </message>
    <message>
        <source>any</source>
        <translation>toutes</translation>
    </message>
    <message>
        <source>A category shows its subcategories too, and a split transaction by its lines</source>
        <translation>Une catégorie montre aussi ses sous-catégories, et une opération répartie par ses lignes</translation>
    </message>
    <message>
        <source>Categor&amp;y:</source>
        <translation>Caté&amp;gorie&#xa0;:</translation>
    </message>
    <message>
        <source>Spending by &amp;Category</source>
        <translation>Dépenses par &amp;catégorie</translation>
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
        <translation>Ce montant est daté après la date du relevé&#xa0;: ligne %1%2, %3</translation>
    </message>
    <message>
        <source>Type an amount from the statement, like -12.34</source>
        <translation>Saisissez un montant du relevé, comme -12,34</translation>
    </message>
    <message>
        <source>“%1” is more than I can keep track of</source>
        <translation>«&#xa0;%1&#xa0;» est plus que je ne peux suivre</translation>
    </message>
    <message>
        <source>“%1” is not an amount</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>Unreconcile</source>
        <translation>Annuler le rapprochement</translation>
    </message>
    <message>
        <source>Finish Statement of %1</source>
        <translation>Clôture du relevé du %1</translation>
    </message>
    <message>
        <source>Balancing of the checkbook has begun</source>
        <translation>Le rapprochement du registre a commencé</translation>
    </message>
    <message>
        <source>Hey, like this program? Why not send the guy who made it a
 couple of those bucks it keeps track of as a Thanks?</source>
        <translation>Hé, ce programme vous plaît&#xa0;? Pourquoi ne pas envoyer à celui qui l&apos;a écrit
 quelques-uns des euros qu&apos;il suit, en guise de merci&#xa0;?</translation>
    </message>
    <message>
        <source>That amount was not found as a transaction</source>
        <translation>Ce montant n&apos;a été trouvé dans aucune opération</translation>
    </message>
    <message>
        <source>                                      Bye!</source>
        <translation>                                      Au revoir&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ReconciliationReport</name>
    <message>
        <source>Statement with no closing date given: every transaction counts
</source>
        <translation>Relevé sans date&#xa0;: chaque opération compte
</translation>
    </message>
    <message>
        <source>Opening balance %1%2, cleared as the balance the bank held
</source>
        <translation>Solde initial %1%2, pointé comme le solde que détenait la banque
</translation>
    </message>
    <message>
        <source>  (none)
</source>
        <translation>  (aucune)
</translation>
    </message>
    <message>
        <source>Date       | Check #  | Description                          |       Amount
</source>
        <translation>Date       | Chèque   | Libellé                              |      Montant
</translation>
    </message>
    <message>
        <source>Reconciliation of %1
</source>
        <translation>Rapprochement de %1
</translation>
    </message>
    <message>
        <source>Statement of %1
</source>
        <translation>Relevé du %1
</translation>
    </message>
    <message>
        <source>As the register stands, with no statement
</source>
        <translation>État du registre, sans relevé
</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Previous cleared balance (%1)</source>
        <translation>Solde pointé précédent (%1)</translation>
    </message>
    <message>
        <source>Previous cleared balance (opening)</source>
        <translation>Solde pointé précédent (initial)</translation>
    </message>
    <message>
        <source>Deposits cleared (%1)</source>
        <translation>Dépôts pointés (%1)</translation>
    </message>
    <message>
        <source>Withdrawals cleared (%1)</source>
        <translation>Retraits pointés (%1)</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Outstanding (%1)</source>
        <translation>En suspens (%1)</translation>
    </message>
    <message>
        <source>Register balance</source>
        <translation>Solde du registre</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Cleared by this statement (%1)</source>
        <translation>Pointées par ce relevé (%1)</translation>
    </message>
    <message>
        <source>Outstanding on %1 (%2)</source>
        <translation>En suspens au %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>the folder %1 cannot be made private: %2</source>
        <translation>le dossier %1 ne peut pas être rendu privé&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a recovery copy</source>
        <translation>ce n&apos;est pas une copie de récupération</translation>
    </message>
    <message>
        <source>its second line does not describe the register file</source>
        <translation>sa deuxième ligne ne décrit pas le fichier du registre</translation>
    </message>
    <message>
        <source>the recovery folder %1 cannot be used: %2</source>
        <translation>le dossier de récupération %1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept: %2</source>
        <translation>%1 n&apos;a pas pu être gardé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>%1 n&apos;a pas pu être déplacé dans %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>Recurrence</name>
    <message>
        <source>it has no start date</source>
        <translation>il n&apos;a pas de date de début</translation>
    </message>
    <message>
        <source>it must come round every 1 to %1 periods</source>
        <translation>il doit revenir toutes les 1 à %1 périodes</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>le jour du mois doit être de 1 à 31</translation>
    </message>
    <message>
        <source>the weekday of the month must be the first to the fourth or the last of a weekday</source>
        <translation>le jour de la semaine du mois doit être le premier au quatrième ou le dernier d&apos;un jour de la semaine</translation>
    </message>
    <message>
        <source>it must end after at least 1 time</source>
        <translation>il doit finir après au moins 1 fois</translation>
    </message>
    <message>
        <source>it has no end date</source>
        <translation>il n&apos;a pas de date de fin</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>the last day</source>
        <translation>le dernier jour</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <comment>the second Tuesday</comment>
        <translation>le %1 %2</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>tous les jours</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>tous les jours</numerusform>
            <numerusform>tous les %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>weekly on %1</source>
        <translation>toutes les semaines le %1</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks on %1</source>
        <translation>
            <numerusform>toutes les semaines le %1</numerusform>
            <numerusform>toutes les %n semaines le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>monthly on %1</source>
        <translation>tous les mois %1</translation>
    </message>
    <message numerus="yes">
        <source>every %n months on %1</source>
        <translation>
            <numerusform>tous les mois %1</numerusform>
            <numerusform>tous les %n mois %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month and day: March 3</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>yearly on %1</source>
        <translation>tous les ans le %1</translation>
    </message>
    <message numerus="yes">
        <source>every %n years on %1</source>
        <translation>
            <numerusform>tous les ans le %1</numerusform>
            <numerusform>tous les %n ans le %1</numerusform>
        </translation>
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
    <name>RegisterMerge</name>
    <message>
        <source>%1 is a new year’s register made from %2: a new year’s file is a new register, and is not merged with the year it was made from.</source>
        <translation>%1 est le registre d&apos;une nouvelle année issu de %2&#xa0;: le fichier d&apos;une nouvelle année est un nouveau registre, et n&apos;est pas fusionné avec l&apos;année dont il est issu.</translation>
    </message>
    <message>
        <source>%1 and %2 start from different opening rows but hold the same transactions: one is a new year’s register made from the other, and a new year’s file is a new register, not merged with the year it was made from.</source>
        <translation>%1 et %2 commencent par des lignes d&apos;ouverture différentes mais contiennent les mêmes opérations&#xa0;: l&apos;un est le registre d&apos;une nouvelle année issu de l&apos;autre, et le fichier d&apos;une nouvelle année est un nouveau registre, qui n&apos;est pas fusionné avec l&apos;année dont il est issu.</translation>
    </message>
    <message>
        <source>%1 and %2 are not versions of one register: they have no transaction in common.</source>
        <translation>%1 et %2 ne sont pas des versions d&apos;un même registre&#xa0;: ils n&apos;ont aucune opération en commun.</translation>
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
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochées</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
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
    <message>
        <source>row %1: the Amount “%2” is not an amount</source>
        <translation>ligne %1&#xa0;: le Montant «&#xa0;%2&#xa0;» n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>row %1 holds the balance %2, but the amounts down to it add up to %3</source>
        <translation>la ligne %1 porte le solde %2, mais les montants jusqu&apos;à elle font %3</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Libellé&#xa0;:</translation>
    </message>
    <message>
        <source>-1200.00 for money out</source>
        <translation>-1200.00 pour une dépense</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Chec&amp;k #:</source>
        <translation>N° de chè&amp;que&#xa0;:</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>on day</source>
        <translation>le jour</translation>
    </message>
    <message>
        <source>on the last day</source>
        <translation>le dernier jour</translation>
    </message>
    <message>
        <source>&amp;Every:</source>
        <translation>&amp;Tous les&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Starting:</source>
        <translation>À partir &amp;du&#xa0;:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>after</source>
        <translation>après</translation>
    </message>
    <message>
        <source>on</source>
        <translation>le</translation>
    </message>
    <message>
        <source> times</source>
        <translation> fois</translation>
    </message>
    <message>
        <source>E&amp;nding:</source>
        <translation>&amp;Fin&#xa0;:</translation>
    </message>
    <message>
        <source>stays on the weekend</source>
        <translation>reste le week-end</translation>
    </message>
    <message>
        <source>moves to the Friday before</source>
        <translation>passe au vendredi précédent</translation>
    </message>
    <message>
        <source>moves to the Monday after</source>
        <translation>passe au lundi suivant</translation>
    </message>
    <message>
        <source>On a &amp;weekend it:</source>
        <translation>Un &amp;week-end, elle&#xa0;:</translation>
    </message>
    <message>
        <source>The amount varies, b&amp;y up to</source>
        <translation>Le montant varie, &amp;jusqu&apos;à</translation>
    </message>
    <message>
        <source>Enter it when it comes due, without ask&amp;ing</source>
        <translation>La saisir à échéance, sans dem&amp;ander</translation>
    </message>
    <message>
        <source>The amount “%1” is not an amount of money.</source>
        <translation>Le montant «&#xa0;%1&#xa0;» n&apos;est pas une somme d&apos;argent.</translation>
    </message>
    <message>
        <source>The schedule cannot be kept: %1.</source>
        <translation>L&apos;échéancier ne peut être gardé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>on the</source>
        <comment>on the second Tuesday</comment>
        <translation>le</translation>
    </message>
    <message>
        <source>Week of the month</source>
        <translation>Semaine du mois</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour de la semaine</translation>
    </message>
</context>
<context>
    <name>ScheduleKeeping</name>
    <message>
        <source>Scheduled transactions ahead; double-click one to change its schedule</source>
        <translation>Opérations planifiées à venir&#xa0;; un double-clic modifie leur échéancier</translation>
    </message>
    <message>
        <source>Forecast &amp;30 Days</source>
        <translation>Prévision &amp;30 jours</translation>
    </message>
    <message>
        <source>Forecast &amp;60 Days</source>
        <translation>Prévision &amp;60 jours</translation>
    </message>
    <message>
        <source>Forecast &amp;90 Days</source>
        <translation>Prévision &amp;90 jours</translation>
    </message>
    <message>
        <source>Forecast &amp;Until Next Income</source>
        <translation>Prévision jusqu&apos;au prochain re&amp;venu</translation>
    </message>
    <message>
        <source>%1 (due)</source>
        <translation>%1 (due)</translation>
    </message>
    <message>
        <source>Lowest ahead: %1 on %2</source>
        <translation>Plus bas à venir&#xa0;: %1 le %2</translation>
    </message>
    <message>
        <source>Under the register&apos;s reserve of %1</source>
        <translation>Sous la réserve du registre de %1</translation>
    </message>
    <message>
        <source>The lowest the balance goes as scheduled, through %1</source>
        <translation>Le solde le plus bas selon les échéanciers, jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Scheduled Transactions</source>
        <translation>Opérations planifiées</translation>
    </message>
    <message>
        <source>1 scheduled transaction was entered as it came due.</source>
        <translation>1 opération planifiée a été saisie à son échéance.</translation>
    </message>
    <message numerus="yes">
        <source>%n scheduled transactions were entered as they came due.</source>
        <translation>
            <numerusform>%n opération planifiée a été saisie à son échéance.</numerusform>
            <numerusform>%n opérations planifiées ont été saisies à leur échéance.</numerusform>
        </translation>
    </message>
    <message>
        <source>No scheduled transaction is due.</source>
        <translation>Aucune opération planifiée n&apos;est due.</translation>
    </message>
    <message>
        <source>New Schedule</source>
        <translation>Nouvel échéancier</translation>
    </message>
    <message>
        <source>Repeat “%1”</source>
        <translation>Répéter «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Change Schedule</source>
        <translation>Modifier l&apos;échéancier</translation>
    </message>
    <message>
        <source>Remove Schedule</source>
        <translation>Supprimer l&apos;échéancier</translation>
    </message>
    <message>
        <source>Remove the schedule “%1”? The transactions it entered stay in the register.</source>
        <translation>Supprimer l&apos;échéancier «&#xa0;%1&#xa0;»&#xa0;? Les opérations qu&apos;il a saisies restent dans le registre.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Suggested Schedule</source>
        <translation>Ajouter l&apos;échéancier suggéré</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Suggested Schedules</source>
        <translation>
            <numerusform>Ajouter %n échéancier suggéré</numerusform>
            <numerusform>Ajouter %n échéanciers suggérés</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggested Schedules</source>
        <translation>Échéanciers suggérés</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>The balance this register should stay above (“Lowest ahead” turns red under it):</source>
        <translation>Le solde au-dessus duquel ce registre doit rester («&#xa0;Plus bas à venir&#xa0;» passe au rouge en dessous)&#xa0;:</translation>
    </message>
    <message>
        <source>“%1” is not an amount of money.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une somme d&apos;argent.</translation>
    </message>
</context>
<context>
    <name>ScheduleListDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Échéanciers</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>How Often</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Prochaine</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nouveau…</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>, varying by up to %1%</source>
        <translation>, variant jusqu&apos;à %1 %</translation>
    </message>
    <message>
        <source>, entered without asking</source>
        <translation>, saisi sans demander</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>schedule %1 cannot be read: %2</source>
        <translation>l&apos;échéancier %1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>the reserve “%1” is not an amount; 0.00 is used</source>
        <translation>la réserve «&#xa0;%1&#xa0;» n&apos;est pas un montant&#xa0;; 0.00 est utilisé</translation>
    </message>
    <message>
        <source>The register has no opening balance yet; schedules are kept with it, so enter it first.</source>
        <translation>Le registre n&apos;a pas encore de solde d&apos;ouverture&#xa0;; les échéanciers sont gardés avec lui, saisissez-le donc d&apos;abord.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>Il n&apos;y a pas d&apos;échéancier %1.</translation>
    </message>
    <message>
        <source>The schedule cannot be kept: %1.</source>
        <translation>L&apos;échéancier ne peut être gardé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Change Schedules</source>
        <translation>Modifier les échéanciers</translation>
    </message>
    <message>
        <source>New Schedule “%1”</source>
        <translation>Nouvel échéancier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>New Schedule</source>
        <translation>Nouvel échéancier</translation>
    </message>
    <message>
        <source>Change Schedule “%1”</source>
        <translation>Modifier l&apos;échéancier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Change Schedule</source>
        <translation>Modifier l&apos;échéancier</translation>
    </message>
    <message>
        <source>Remove Schedule “%1”</source>
        <translation>Supprimer l&apos;échéancier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Remove Schedule</source>
        <translation>Supprimer l&apos;échéancier</translation>
    </message>
    <message>
        <source>The reserve is beyond what Cheqbook can keep track of.</source>
        <translation>La réserve dépasse ce que Cheqbook peut suivre.</translation>
    </message>
    <message>
        <source>Set Reserve</source>
        <translation>Définir la réserve</translation>
    </message>
    <message>
        <source>Enter “%1”</source>
        <translation>Saisie de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Enter Scheduled Transaction</source>
        <translation>Saisir l&apos;opération planifiée</translation>
    </message>
    <message numerus="yes">
        <source>Enter %n Scheduled Transactions</source>
        <translation>
            <numerusform>Saisir %n opération planifiée</numerusform>
            <numerusform>Saisir %n opérations planifiées</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was entered: %1</source>
        <translation>Rien n&apos;a été saisi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Skip “%1”</source>
        <translation>Ignorer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Skip Scheduled Transaction</source>
        <translation>Ignorer l&apos;opération planifiée</translation>
    </message>
    <message numerus="yes">
        <source>Skip %n Scheduled Transactions</source>
        <translation>
            <numerusform>Ignorer %n opération planifiée</numerusform>
            <numerusform>Ignorer %n opérations planifiées</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>environ %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times, %2, %3</source>
        <translation>
            <numerusform>%1&#xa0;: %n fois, %2, %3</numerusform>
            <numerusform>%1&#xa0;: %n fois, %2, %3</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 “%2” is not a date (YYYY-MM-DD)</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas une date (AAAA-MM-JJ)</translation>
    </message>
    <message>
        <source>the %1 “%2” is not a number from %3 to %4</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un nombre de %3 à %4</translation>
    </message>
    <message>
        <source>“%1” is not how often it comes round (N day, week, month or year)</source>
        <translation>«&#xa0;%1&#xa0;» ne dit pas à quelle fréquence il revient (N day, week, month ou year)</translation>
    </message>
    <message>
        <source>“%1” is not a day of the month (1 to 31, last, or 2 fri)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un jour du mois (1 à 31, last ou 2 fri)</translation>
    </message>
    <message>
        <source>“%1” is not a field (name=value)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un champ (name=value)</translation>
    </message>
    <message>
        <source>the %1 holds a % that is not followed by two hexadecimal digits</source>
        <translation>%1 contient un % qui n&apos;est pas suivi de deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the amount “%1” is not an amount</source>
        <translation>le montant «&#xa0;%1&#xa0;» n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>the weekend rule “%1” is none of keep, before and after</source>
        <translation>la règle du week-end «&#xa0;%1&#xa0;» n&apos;est aucune de keep, before et after</translation>
    </message>
    <message>
        <source>it has no amount</source>
        <translation>il n&apos;a pas de montant</translation>
    </message>
    <message>
        <source>it does not say how often it comes round</source>
        <translation>il ne dit pas à quelle fréquence il revient</translation>
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
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>SortQuestion</name>
    <message>
        <source>Sort by Date</source>
        <translation>Tri par date</translation>
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
    <name>SpendingChart</name>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>Leave empty for no limit</source>
        <translation>Laisser vide pour ne pas limiter</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barres</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Camembert</translation>
    </message>
    <message>
        <source>&amp;Subcategories</source>
        <translation>&amp;Sous-catégories</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Spent: %1</source>
        <translation>Dépensé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Drawn as</source>
        <translation>Dessiné en</translation>
    </message>
    <message>
        <source>Spending by category chart</source>
        <translation>Graphique des dépenses par catégorie</translation>
    </message>
    <message>
        <source>Each category&apos;s amount is written under it.</source>
        <translation>Le montant de chaque catégorie est écrit dessous.</translation>
    </message>
</context>
<context>
    <name>SplitDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Amount of the transaction: %1</source>
        <translation>Montant de l&apos;opération&#xa0;: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>&amp;Add Line</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation>&amp;Retirer la ligne</translation>
    </message>
    <message>
        <source>Left to assign: %1</source>
        <translation>Reste à répartir&#xa0;: %1</translation>
    </message>
    <message>
        <source>An amount is not one</source>
        <translation>Un montant n&apos;en est pas un</translation>
    </message>
    <message>
        <source>The amount of line %1, “%2”, is not an amount.</source>
        <translation>Le montant de la ligne %1, «&#xa0;%2&#xa0;», n&apos;est pas un montant.</translation>
    </message>
</context>
<context>
    <name>Splits</name>
    <message>
        <source>a split needs two lines or more; one category is given without one</source>
        <translation>une ventilation demande deux lignes ou plus&#xa0;; une seule catégorie se donne sans ventilation</translation>
    </message>
    <message>
        <source>a split has at most %1 lines</source>
        <translation>une ventilation a au plus %1 lignes</translation>
    </message>
    <message>
        <source>line %1 of the split has no amount</source>
        <translation>la ligne %1 de la ventilation n&apos;a pas de montant</translation>
    </message>
    <message>
        <source>the amount of line %1 of the split is beyond what money can hold</source>
        <translation>le montant de la ligne %1 de la ventilation dépasse ce qu&apos;un montant peut contenir</translation>
    </message>
    <message>
        <source>the lines of the split add up to %1, not to the transaction&apos;s %2: %3 is left to assign</source>
        <translation>les lignes de la ventilation font %1, et non les %2 de l&apos;opération&#xa0;: il reste %3 à répartir</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>can’t tell money out from money in: the “%1” field is empty</source>
        <translation>impossible de distinguer sortie et entrée&#xa0;: le champ «&#xa0;%1&#xa0;» est vide</translation>
    </message>
    <message>
        <source>can’t tell money out from money in: “%1”</source>
        <translation>impossible de distinguer sortie et entrée&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the money out and money in fields are both empty</source>
        <translation>les champs de sortie et d&apos;entrée sont tous deux vides</translation>
    </message>
    <message>
        <source>the amount field is empty</source>
        <translation>le champ du montant est vide</translation>
    </message>
    <message>
        <source>both money out (“%1”) and money in (“%2”) hold an amount</source>
        <translation>la sortie («&#xa0;%1&#xa0;») et l&apos;entrée («&#xa0;%2&#xa0;») contiennent toutes deux un montant</translation>
    </message>
    <message>
        <source>a quote that opens a field is never closed</source>
        <translation>un guillemet qui ouvre un champ n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>before the header, not a transaction</source>
        <translation>avant l&apos;en-tête, pas une opération</translation>
    </message>
    <message>
        <source>the header again, not a transaction</source>
        <translation>l&apos;en-tête de nouveau, pas une opération</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2; a field holding a %3 must be in quotes</source>
        <translation>%1 champs là où l&apos;en-tête en nomme %2&#xa0;; un champ qui contient le caractère %3 doit être entre guillemets</translation>
    </message>
    <message>
        <source>1 field, %1 needed</source>
        <translation>1 champ, %1 nécessaires</translation>
    </message>
    <message>
        <source>%1 fields, %2 needed</source>
        <translation>%1 champs, %2 nécessaires</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>le libellé</translation>
    </message>
    <message>
        <source>line %1: the quote that opens a field there is never closed, so the lines after it cannot be told apart; nothing was imported</source>
        <translation>ligne %1&#xa0;: le guillemet qui y ouvre un champ n&apos;est jamais fermé, si bien que les lignes suivantes ne peuvent pas être séparées&#xa0;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>the date field is empty</source>
        <translation>le champ de date est vide</translation>
    </message>
    <message>
        <source>the date “%1” is not a date (%2)</source>
        <translation>la date «&#xa0;%1&#xa0;» n&apos;est pas une date (%2)</translation>
    </message>
    <message>
        <source>every description is empty: no column holds them</source>
        <translation>chaque libellé est vide&#xa0;: aucune colonne ne les contient</translation>
    </message>
    <message>
        <source>every description is empty: the column read for them holds nothing</source>
        <translation>chaque libellé est vide&#xa0;: la colonne lue pour eux ne contient rien</translation>
    </message>
    <message>
        <source>the amount “%1” is too large</source>
        <translation>le montant «&#xa0;%1&#xa0;» est trop grand</translation>
    </message>
    <message>
        <source>the amount “%1” is not a number</source>
        <translation>le montant «&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 fields where the other lines have %2; a field holding a comma must be in quotes</source>
        <translation>%1 champs là où les autres lignes en ont %2&#xa0;; un champ qui contient une virgule doit être entre guillemets</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>lines %1-%2</source>
        <translation>lignes %1-%2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>the statement</source>
        <translation>le relevé</translation>
    </message>
    <message>
        <source>1 line of %1 was not imported: </source>
        <translation>1 ligne de %1 n&apos;a pas été importée&#xa0;: </translation>
    </message>
    <message>
        <source>%1 lines of %2 were not imported: </source>
        <translation>%1 lignes de %2 n&apos;ont pas été importées&#xa0;: </translation>
    </message>
    <message>
        <source>, and %1 more</source>
        <translation>, et %1 de plus</translation>
    </message>
</context>
<context>
    <name>StatementDates</name>
    <message>
        <source>month/day/year</source>
        <translation>mois/jour/année</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>jour/mois/année</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>année-mois-jour</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>read as %1: the dates then fall between %2 and %3, in the order of the file, while read as %4 they would not</source>
        <translation>lues en %1&#xa0;: les dates tombent alors entre le %2 et le %3, dans l&apos;ordre du fichier, alors que lues en %4 elles ne le feraient pas</translation>
    </message>
</context>
<context>
    <name>StatementImport</name>
    <message>
        <source>Statement</source>
        <translation>Relevé</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 opération</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 opérations</translation>
    </message>
    <message>
        <source>, %1 matched</source>
        <translation>, %1 associées</translation>
    </message>
    <message>
        <source>Import %1 (%2)</source>
        <translation>Import de %1 (%2)</translation>
    </message>
    <message>
        <source>line %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep track of; nothing was imported</source>
        <translation>ligne %1&#xa0;: le solde après elle serait de %2, au-delà des 90 000 milliards que Cheqbook peut suivre&#xa0;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>after it, %1; nothing was imported</source>
        <translation>après elle, %1&#xa0;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>nothing to import: the statement holds no transactions</source>
        <translation>rien à importer&#xa0;: le relevé ne contient aucune opération</translation>
    </message>
</context>
<context>
    <name>StatementReader</name>
    <message>
        <source>1 transaction</source>
        <translation>1 opération</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 opérations</translation>
    </message>
    <message>
        <source>the header on line %1 (“%2”) names no column Cheqbook reads; it reads %3</source>
        <translation>l&apos;en-tête de la ligne %1 («&#xa0;%2&#xa0;») ne nomme aucune colonne que Cheqbook lit&#xa0;; il lit %3</translation>
    </message>
    <message>
        <source>the lines are separated by %1s and have no header naming their columns</source>
        <translation>les lignes sont séparées par le caractère %1 et n&apos;ont pas d&apos;en-tête qui nomme leurs colonnes</translation>
    </message>
    <message>
        <source>the layout names no date column</source>
        <translation>la disposition ne nomme aucune colonne de date</translation>
    </message>
    <message>
        <source>the layout names no amount column</source>
        <translation>la disposition ne nomme aucune colonne de montant</translation>
    </message>
    <message>
        <source>no order of day, month and year reads every date of the column</source>
        <translation>aucun ordre du jour, du mois et de l&apos;année ne lit toutes les dates de la colonne</translation>
    </message>
    <message>
        <source>the dates read both as month/day/year and as day/month/year</source>
        <translation>les dates se lisent aussi bien mois/jour/année que jour/mois/année</translation>
    </message>
    <message>
        <source>it holds no account “%1”, only %2</source>
        <translation>il ne contient aucun compte «&#xa0;%1&#xa0;», seulement %2</translation>
    </message>
    <message>
        <source>column %1 was named, but the header on line %2 names only %3</source>
        <translation>la colonne %1 a été nommée, mais l&apos;en-tête de la ligne %2 n&apos;en nomme que %3</translation>
    </message>
    <message>
        <source>its dates are written %1 (line %2: “%3”), not %4</source>
        <translation>ses dates sont écrites en %1 (ligne %2&#xa0;: «&#xa0;%3&#xa0;»), pas en %4</translation>
    </message>
    <message>
        <source>every amount is written without a sign, and no column says which way the money went</source>
        <translation>chaque montant est écrit sans signe, et aucune colonne ne dit dans quel sens l&apos;argent est allé</translation>
    </message>
</context>
<context>
    <name>StatementText</name>
    <message>
        <source>the file begins as UTF-16 text but is not valid UTF-16; nothing was imported</source>
        <translation>le fichier commence comme du texte UTF-16 mais n&apos;est pas de l&apos;UTF-16 valide&#xa0;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text without the byte-order mark that tells how to read it; nothing was imported</source>
        <translation>ligne %1&#xa0;: le fichier contient un octet NUL, ce n&apos;est donc pas du texte&#xa0;: ce sont des données binaires, ou du texte UTF-16 sans l&apos;indicateur d&apos;ordre des octets qui dit comment le lire&#xa0;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; only its first %3 are kept</source>
        <translation>%1 fait %2 caractères&#xa0;; seuls les %3 premiers sont gardés</translation>
    </message>
    <message>
        <source>the check number</source>
        <translation>le numéro de chèque</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 and was read as Windows-1252 (Latin-1), the other lines as UTF-8</source>
        <translation>la ligne %1 n&apos;est pas en UTF-8 et a été lue en Windows-1252 (Latin-1), les autres lignes en UTF-8</translation>
    </message>
    <message>
        <source>lines %1 and %2 more are not UTF-8 and were read as Windows-1252 (Latin-1), the other lines as UTF-8</source>
        <translation>les lignes %1 et %2 autres ne sont pas en UTF-8 et ont été lues en Windows-1252 (Latin-1), les autres lignes en UTF-8</translation>
    </message>
    <message>
        <source>lines %1 are not UTF-8 and were read as Windows-1252 (Latin-1), the other lines as UTF-8</source>
        <translation>les lignes %1 ne sont pas en UTF-8 et ont été lues en Windows-1252 (Latin-1), les autres lignes en UTF-8</translation>
    </message>
</context>
<context>
    <name>StatusBarFigures</name>
    <message>
        <source>Selected transactions</source>
        <translation>Opérations sélectionnées</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>The balance after the last transaction, the balance of what the bank has cleared, and the number of transactions</source>
        <translation>Le solde après la dernière opération, le solde de ce que la banque a pointé et le nombre d&apos;opérations</translation>
    </message>
</context>
<context>
    <name>SuggestDialog</name>
    <message>
        <source>Suggested Schedules</source>
        <translation>Échéanciers suggérés</translation>
    </message>
    <message>
        <source>Nothing in the register comes round regularly enough to suggest a schedule.</source>
        <translation>Rien dans le registre ne revient assez régulièrement pour suggérer un échéancier.</translation>
    </message>
    <message>
        <source>These payees came round regularly. Tick those to add as schedules:</source>
        <translation>Ces bénéficiaires sont revenus régulièrement. Cochez ceux à ajouter comme échéanciers&#xa0;:</translation>
    </message>
    <message>
        <source>Evidence</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>&amp;Add Ticked</source>
        <translation>&amp;Ajouter les cochés</translation>
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
        <translation>&amp;Ne pas enregistrer</translation>
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
