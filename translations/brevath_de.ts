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
        <translation>Dieser Text ist kein Brevath-Teilcode.</translation>
    </message>
    <message>
        <source>This share code is incomplete: it was probably cut off when copied.</source>
        <translation>Dieser Teilcode ist unvollständig: Er wurde beim Kopieren wohl abgeschnitten.</translation>
    </message>
    <message>
        <source>This share code is damaged and cannot be read.</source>
        <translation>Dieser Teilcode ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This share code comes from a newer version of Brevath and cannot be read here.</source>
        <translation>Dieser Teilcode stammt aus einer neueren Version von Brevath und kann hier nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>This share code names %n goal(s) that the catalogue in force does not hold.</source>
        <translation>
            <numerusform>Dieser Teilcode nennt %n Ziel, das der geltende Katalog nicht enthält.</numerusform>
            <numerusform>Dieser Teilcode nennt %n Ziele, die der geltende Katalog nicht enthält.</numerusform>
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
        <source>Refused value: --%1 %2</source>
        <translation>Abgelehnter Wert: --%1 %2</translation>
    </message>
    <message>
        <source>A statistic goal of %1 is out of range.</source>
        <translation>Ein Attributziel in %1 liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>share code</source>
        <translation>Teilcode</translation>
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
    <message numerus="yes">
        <source>This choice file names %n goal(s) that the catalogue in force does not hold.</source>
        <translation>
            <numerusform>Diese Auswahldatei nennt %n Ziel, das der geltende Katalog nicht enthält.</numerusform>
            <numerusform>Diese Auswahldatei nennt %n Ziele, die der geltende Katalog nicht enthält.</numerusform>
        </translation>
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
        <translation>Mit dem kopierten Teilcode vergleichen</translation>
    </message>
    <message>
        <source>Copy share code</source>
        <translation>Teilcode kopieren</translation>
    </message>
    <message>
        <source>Close comparison</source>
        <translation>Vergleich schließen</translation>
    </message>
    <message>
        <source>Cannot tell which folder Brevath is in.</source>
        <translation>Der Ordner von Brevath ist nicht feststellbar.</translation>
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
        <source>Last goal reached as soon as possible</source>
        <translation>Letztes Ziel so früh wie möglich erreicht</translation>
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
        <source>Level with the suggestion</source>
        <translation>Stufe mit dem Vorschlag</translation>
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
        <source>Last goal at level %1 instead of %2; sum of the levels %3 instead of %4.</source>
        <translation>Letztes Ziel auf Stufe %1 statt %2; Summe der Stufen %3 statt %4.</translation>
    </message>
    <message>
        <source>No better order was found: the rows stay as they are.</source>
        <translation>Keine bessere Reihenfolge gefunden: Die Zeilen bleiben, wie sie sind.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::SecondScreen</name>
    <message>
        <source>(clipboard)</source>
        <translation>(Zwischenablage)</translation>
    </message>
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
        <translation>Teilcode kopieren</translation>
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
        <source>This entry's category is not ticked on the start screen; the plan still counts it.</source>
        <translation>Die Kategorie dieses Eintrags ist auf dem Startbildschirm nicht angekreuzt; der Plan zählt ihn trotzdem.</translation>
    </message>
</context>
</TS>
