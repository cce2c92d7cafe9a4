<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Brevath</name>
    <message numerus="yes">
        <source>%n goal(s) translated from another language.</source>
        <translation>
            <numerusform>%n Ziel aus einer anderen Sprache übersetzt.</numerusform>
            <numerusform>%n Ziele aus einer anderen Sprache übersetzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>This text is not a Brevath share code.</source>
        <translation>Dieser Text ist kein Code zum Teilen aus Brevath.</translation>
    </message>
    <message>
        <source>This share code is incomplete: it was probably cut off when copied.</source>
        <translation>Dieser Code zum Teilen ist unvollständig: Er wurde beim Kopieren wohl abgeschnitten.</translation>
    </message>
    <message>
        <source>This share code is damaged and cannot be read.</source>
        <translation>Dieser Code zum Teilen ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This share code comes from a newer version of Brevath and cannot be read here.</source>
        <translation>Dieser Code zum Teilen stammt aus einer neueren Version von Brevath und kann hier nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>This share code names %n goal(s) that the catalogue in force does not hold.</source>
        <translation>
            <numerusform>Dieser Code zum Teilen nennt %n Ziel, das der geltende Katalog nicht enthält.</numerusform>
            <numerusform>Dieser Code zum Teilen nennt %n Ziele, die der geltende Katalog nicht enthält.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This share code was made with a different catalogue: here its goal(s) %1 may name other entries. It was not loaded.</source>
        <translation>
            <numerusform>Dieser Code zum Teilen stammt aus einem anderen Katalog: Hier könnte sein Ziel %1 einen anderen Eintrag nennen. Er wurde nicht geladen.</numerusform>
            <numerusform>Dieser Code zum Teilen stammt aus einem anderen Katalog: Hier könnten seine Ziele %1 andere Einträge nennen. Er wurde nicht geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The data folder given with --data-dir is empty.</source>
        <translation>Der mit --data-dir angegebene Datenordner ist leer.</translation>
    </message>
    <message>
        <source>Cannot tell which folder this program is in; give it with --data-dir.</source>
        <translation>Der Ordner dieses Programms ist nicht feststellbar; geben Sie ihn mit --data-dir an.</translation>
    </message>
    <message>
        <source>No data for the language %1 in %2.</source>
        <translation>Keine Daten für die Sprache %1 in %2.</translation>
    </message>
    <message>
        <source>Data: %1
Settings: %2</source>
        <translation>Daten: %1
Einstellungen: %2</translation>
    </message>
    <message>
        <source>A statistic goal of %1 is out of range.</source>
        <translation>Ein Attributziel in %1 liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>share code</source>
        <translation>Code zum Teilen</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>This plan</source>
        <translation>Dieser Plan</translation>
    </message>
    <message>
        <source>Chart of the rise</source>
        <translation>Diagramm des Aufstiegs</translation>
    </message>
    <message>
        <source>Compare with a choice file…</source>
        <translation>Mit einer Auswahldatei vergleichen…</translation>
    </message>
    <message>
        <source>Compare with the copied share code</source>
        <translation>Mit dem kopierten Code zum Teilen vergleichen</translation>
    </message>
    <message>
        <source>Copy share code</source>
        <translation>Code zum Teilen kopieren</translation>
    </message>
    <message>
        <source>Close comparison</source>
        <translation>Vergleich schließen</translation>
    </message>
    <message>
        <source>Cannot tell which folder Brevath is in.</source>
        <translation>Der Ordner von Brevath ist nicht feststellbar.</translation>
    </message>
    <message>
        <source>Could not move %1 to the bin.</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>Could not restore %1.</source>
        <translation>%1 konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>A goal of this plan is never reached.</source>
        <translation>Ein Ziel dieses Plans wird nie erreicht.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Last goal at</source>
        <translation>Letztes Ziel auf</translation>
    </message>
    <message>
        <source>Sum of levels</source>
        <translation>Summe der Stufen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s) name nothing in the catalogue in force.</source>
        <translation>
            <numerusform>%n Ziel nennt nichts im geltenden Katalog.</numerusform>
            <numerusform>%n Ziele nennen nichts im geltenden Katalog.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <comment>a column heading, then a row label</comment>
        <translation>%1 für %2</translation>
    </message>
    <message>
        <source>Back to the start screen</source>
        <translation>Zurück zum Startbildschirm</translation>
    </message>
    <message>
        <source>Result list</source>
        <translation>Ergebnisliste</translation>
    </message>
    <message>
        <source>Comparison of the two plans</source>
        <translation>Vergleich der beiden Pläne</translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s) name nothing in the catalogue in force; the plan skips them.</source>
        <translation>
            <numerusform>%n Ziel nennt nichts im geltenden Katalog; der Plan übergeht es.</numerusform>
            <numerusform>%n Ziele nennen nichts im geltenden Katalog; der Plan übergeht sie.</numerusform>
        </translation>
    </message>
    <message>
        <source>First plan (%1): %2</source>
        <translation>Erster Plan (%1): %2</translation>
    </message>
    <message>
        <source>Second plan (%1): %2</source>
        <translation>Zweiter Plan (%1): %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Refused value: %1</source>
        <translation>Abgelehnter Wert: %1</translation>
    </message>
    <message>
        <source>--pin %1: row %1 holds no goal of the plan.</source>
        <translation>--pin %1: Zeile %1 enthält kein Ziel des Plans.</translation>
    </message>
    <message>
        <source>Save as a page to share or print…</source>
        <translation>Als Seite zum Teilen oder Drucken speichern…</translation>
    </message>
    <message>
        <source>As the first goal: reached at level %1.</source>
        <translation>Als erstes Ziel: erreicht auf Stufe %1.</translation>
    </message>
    <message>
        <source>As the first goal: never reached.</source>
        <translation>Als erstes Ziel: nie erreicht.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Copy the selected lines</source>
        <translation>Gewählte Zeilen kopieren</translation>
    </message>
    <message>
        <source>Share code copied.</source>
        <translation>Code zum Teilen kopiert.</translation>
    </message>
    <message>
        <source>Lines copied.</source>
        <translation>Zeilen kopiert.</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <translation>Webseiten (*.html *.htm)</translation>
    </message>
    <message>
        <source>Choice files (*.txt)</source>
        <translation>Auswahldateien (*.txt)</translation>
    </message>
    <message>
        <source>Reached at level</source>
        <translation>Erreicht auf Stufe</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>The statistics level by level</source>
        <translation>Die Attribute Stufe für Stufe</translation>
    </message>
    <message>
        <source>Share code:</source>
        <translation>Code zum Teilen:</translation>
    </message>
    <message>
        <source>--suggest-order goal:%1: row %1 holds no goal of the plan.</source>
        <translation>--suggest-order goal:%1: Zeile %1 enthält kein Ziel des Plans.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::FirstScreen</name>
    <message>
        <source>My plans…</source>
        <translation>Meine Pläne…</translation>
    </message>
    <message>
        <source>The plans kept by this program (%1)</source>
        <translation>Die von diesem Programm aufbewahrten Pläne (%1)</translation>
    </message>
</context>
<context>
    <name>brevath::ui::HelpScreen</name>
    <message>
        <source>Beyond the pages. Start screen: My plans… (Ctrl+L) keeps plans and opens them again. Choice screen, the Tools button: undo (Ctrl+Z), redo (Ctrl+Y), copy or paste the goal list (Ctrl+Shift+C, Ctrl+Shift+V; a copied share code pastes too), copy the share code (Ctrl+Alt+C), suggest an order (Ctrl+Shift+R). Results screen: the chart button, and the … button: copy the selected lines (Ctrl+C), copy the share code (Ctrl+Alt+C), save as a page (Ctrl+Shift+S), compare with a choice file (Ctrl+Shift+O) or with a copied share code (Ctrl+Shift+V).</source>
        <translation>Über die Seiten hinaus. Startseite: Meine Pläne… (Strg+L) bewahrt Pläne auf und öffnet sie wieder. Auswahlseite, Knopf Werkzeuge: rückgängig (Strg+Z), wiederholen (Strg+Y), Zielliste kopieren oder einfügen (Strg+Umschalt+C, Strg+Umschalt+V; ein kopierter Code zum Teilen lässt sich ebenso einfügen), Code zum Teilen kopieren (Strg+Alt+C), eine Reihenfolge vorschlagen (Strg+Umschalt+R). Ergebnisseite: der Knopf des Diagramms, und der Knopf …: gewählte Zeilen kopieren (Strg+C), Code zum Teilen kopieren (Strg+Alt+C), als Seite speichern (Strg+Umschalt+S), mit einer Auswahldatei (Strg+Umschalt+O) oder einem kopierten Code zum Teilen (Strg+Umschalt+V) vergleichen.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::LibraryWindow</name>
    <message>
        <source>My plans</source>
        <translation>Meine Pläne</translation>
    </message>
    <message>
        <source>Search the names and notes (Ctrl+F)</source>
        <translation>Namen und Notizen durchsuchen (Strg+F)</translation>
    </message>
    <message>
        <source>Show the bin</source>
        <translation>Papierkorb zeigen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save the current plan…</source>
        <translation>Aktuellen Plan speichern…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Notes…</source>
        <translation>Notizen…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Compare the two</source>
        <translation>Beide vergleichen</translation>
    </message>
    <message>
        <source>Import a file…</source>
        <translation>Datei importieren…</translation>
    </message>
    <message>
        <source>Import the copied share code</source>
        <translation>Kopierten Code zum Teilen importieren</translation>
    </message>
    <message>
        <source>Export as a choice file…</source>
        <translation>Als Auswahldatei exportieren…</translation>
    </message>
    <message>
        <source>Copy its share code</source>
        <translation>Seinen Code zum Teilen kopieren</translation>
    </message>
    <message>
        <source>Save as a page…</source>
        <translation>Als Seite speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Name of the plan:</source>
        <translation>Name des Plans:</translation>
    </message>
    <message>
        <source>The library already holds the plan “%1”. Replace it?</source>
        <translation>Die Bibliothek enthält bereits den Plan „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>New name of the plan:</source>
        <translation>Neuer Name des Plans:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Shared plan</source>
        <translation>Geteilter Plan</translation>
    </message>
</context>
<context>
    <name>brevath::ui::OrderDialog</name>
    <message>
        <source>Suggest an order</source>
        <translation>Reihenfolge vorschlagen</translation>
    </message>
    <message>
        <source>Lowest sum of the levels at which the goals are reached</source>
        <translation>Kleinste Summe der Stufen, auf denen die Ziele erreicht werden</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Level now</source>
        <translation>Stufe jetzt</translation>
    </message>
    <message>
        <source>Apply this order</source>
        <translation>Diese Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Objective:</source>
        <translation>Ziel der Suche:</translation>
    </message>
    <message>
        <source>Rows that keep their place:</source>
        <translation>Zeilen, die ihren Platz behalten:</translation>
    </message>
    <message>
        <source>There must be at least two goals to order.</source>
        <translation>Zum Ordnen braucht es mindestens zwei Ziele.</translation>
    </message>
    <message>
        <source>Searching for a better order…</source>
        <translation>Suche nach einer besseren Reihenfolge…</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>No better order was found: the rows stay as they are.</source>
        <translation>Keine bessere Reihenfolge gefunden: Die Zeilen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Levels now and with the suggestion</source>
        <translation>Stufen jetzt und mit dem Vorschlag</translation>
    </message>
    <message>
        <source>Suggested level</source>
        <translation>Vorgeschlagene Stufe</translation>
    </message>
    <message>
        <source>%1: %2, no change.</source>
        <translation>%1: %2, keine Änderung.</translation>
    </message>
    <message>
        <source>%1: %2 instead of %3.</source>
        <translation>%1: %2 statt %3.</translation>
    </message>
    <message>
        <source>never reached</source>
        <translation>nie erreicht</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>Goals never reached</source>
        <translation>Nie erreichte Ziele</translation>
    </message>
    <message>
        <source>Sum of the levels</source>
        <translation>Summe der Stufen</translation>
    </message>
    <message>
        <source>One goal as early as possible, then the lowest sum</source>
        <translation>Ein Ziel so früh wie möglich, dann die kleinste Summe</translation>
    </message>
    <message>
        <source>Goal to reach as early as possible:</source>
        <translation>So früh wie möglich zu erreichendes Ziel:</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
</context>
<context>
    <name>brevath::ui::Program</name>
    <message>
        <source>The share code&apos;s sheet, priority and ticked categories are now on the start screen.</source>
        <translation>Werte, Priorität und angekreuzte Kategorien des geteilten Codes stehen jetzt auf dem Startbildschirm.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::RiseChart</name>
    <message>
        <source>This plan</source>
        <translation>Dieser Plan</translation>
    </message>
</context>
<context>
    <name>brevath::ui::SecondScreen</name>
    <message>
        <source>Copy goal list</source>
        <translation>Zielliste kopieren</translation>
    </message>
    <message>
        <source>Paste goal list</source>
        <translation>Zielliste einfügen</translation>
    </message>
    <message>
        <source>Copy share code</source>
        <translation>Code zum Teilen kopieren</translation>
    </message>
    <message>
        <source>Suggest an order…</source>
        <translation>Reihenfolge vorschlagen…</translation>
    </message>
    <message>
        <source>No entry of this name: the plan will skip this goal.</source>
        <translation>Kein Eintrag dieses Namens: Der Plan überspringt dieses Ziel.</translation>
    </message>
    <message>
        <source>This entry&apos;s category is not ticked on the start screen; the plan still counts it.</source>
        <translation>Die Kategorie dieses Eintrags ist auf dem Startbildschirm nicht angekreuzt; der Plan zählt ihn trotzdem.</translation>
    </message>
    <message>
        <source>Never reached: the rise ends at level 199 first.</source>
        <translation>Nie erreicht: der Aufstieg endet vorher auf Stufe 199.</translation>
    </message>
    <message>
        <source>Reached at level %1.</source>
        <translation>Erreicht auf Stufe %1.</translation>
    </message>
    <message>
        <source>Type of goal %1</source>
        <translation>Art von Ziel %1</translation>
    </message>
    <message>
        <source>Shift the goals down from goal %1</source>
        <translation>Ziele ab Ziel %1 nach unten verschieben</translation>
    </message>
    <message>
        <source>Goal %1 is repeated in the row below it; every later goal moves down one row and the last one drops off.</source>
        <translation>Ziel %1 wird in der Zeile darunter wiederholt; jedes spätere Ziel rückt eine Zeile nach unten, und das letzte entfällt.</translation>
    </message>
    <message>
        <source>Goals in view</source>
        <translation>Angezeigte Ziele</translation>
    </message>
    <message>
        <source>Suggested entries</source>
        <translation>Vorgeschlagene Einträge</translation>
    </message>
    <message>
        <source>Nothing was copied: a statistic value is not a number a plan can hold.</source>
        <translation>Nichts wurde kopiert: Ein Attributwert ist keine Zahl, die ein Plan fassen kann.</translation>
    </message>
    <message>
        <source>Goal list copied.</source>
        <translation>Zielliste kopiert.</translation>
    </message>
    <message>
        <source>The clipboard holds neither a goal list nor a share code.</source>
        <translation>Die Zwischenablage enthält weder eine Zielliste noch einen Code zum Teilen.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Share code copied.</source>
        <translation>Code zum Teilen kopiert.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::ToolsButton</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>%1: copy, paste, compare and more, with their keys</source>
        <translation>%1: Kopieren, Einfügen, Vergleichen und mehr, mit ihren Tasten</translation>
    </message>
</context>
</TS>
