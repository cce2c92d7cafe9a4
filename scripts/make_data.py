#!/usr/bin/env python3
"""Writes the language data of Brevath into data/.

One table per kind of data holds the English, French and German texts side by
side and every number once, so that the three languages always carry the same
entries in the same order with the same requirements.

Written files (all Windows-1252, every line ending CR LF, no empty last line):
  data/<language>.txt                       82 captions, one per line
  data/<language>/<language>_<suffix>.txt   ten catalogue files per language
  data/examples/<language>_<build>.txt      example choice files

Run from anywhere: python3 scripts/make_data.py
"""

import os
import sys

LANGUAGES = ("english", "french", "german")

# ---------------------------------------------------------------------------
# Captions, entries 1 to 82 in order: (English, French, German).
# ---------------------------------------------------------------------------

CAPTIONS = [
    # 1-27 start screen
    ("Simulation of a Character's Rise",
     "Simulation de la montée d'un personnage",
     "Simulation des Aufstiegs einer Spielfigur"),
    ("Starting Values", "Statistiques de départ", "Startwerte"),
    ("Level", "Niveau", "Stufe"),
    ("Strength", "Force", "Stärke"),
    ("Endurance", "Endurance", "Ausdauer"),
    ("Dexterity", "Dextérité", "Geschicklichkeit"),
    ("Sagacity", "Sagesse", "Weisheit"),
    ("Intelligence", "Intelligence", "Intelligenz"),
    ("Hit Points", "Points de Vie", "Lebenspunkte"),
    ("Mana Points", "Points de Mana", "Manapunkte"),
    ("Max", "Max", "Max"),
    ("Show", "Affichage", "Anzeigen"),
    ("Bows", "Arcs", "Bögen"),
    ("Weapons", "Armes", "Waffen"),
    ("Robes", "Robes", "Roben"),
    ("Armours", "Armures", "Rüstungen"),
    ("Skills", "Compétences", "Fertigkeiten"),
    ("Amulets", "Amulettes", "Amulette"),
    ("Rings", "Anneaux", "Ringe"),
    ("Bracelets", "Bracelets", "Armbänder"),
    ("Spells", "Sortilèges", "Zauber"),
    ("Shields and Special Armours", "Boucliers et Armures Spéciales",
     "Schilde und Sonderrüstungen"),
    ("Seraph Generation 1", "Séraphe génération 1", "Seraph-Generation 1"),
    ("Seraph Generation 2", "Séraphe génération 2", "Seraph-Generation 2"),
    ("Please wait...", "Veuillez patienter...", "Bitte warten ..."),
    ("Next Page", "Prochaine Page", "Nächste Seite"),
    ("Help", "Aide", "Hilfe"),
    # 28 message of the start screen
    ("This number cannot be used: it is too large or out of range. "
     "Statistic targets must lie between 0 and 65535 and the starting "
     "level must be -1 or more.",
     "Ce nombre est inutilisable : il est trop grand ou hors limites. "
     "Une valeur visée pour une statistique doit être comprise entre 0 et "
     "65535 et le niveau de départ doit valoir -1 ou plus.",
     "Diese Zahl ist nicht verwendbar: Sie ist zu groß oder liegt außerhalb "
     "des zulässigen Bereichs. Zielwerte für Attribute müssen zwischen 0 "
     "und 65535 liegen, die Startstufe muss mindestens -1 betragen."),
    # 29-31 help screen
    ("Help", "Aide", "Hilfe"),
    ("Help", "Aide", "Hilfe"),
    ("Page one: enter the starting level, the five statistics and the hit "
     "and mana points. A Max value hides every item that needs more of that "
     "statistic (0 means no limit). Priority picks the statistic that gets "
     "the points no goal needs. Tick the categories to offer. "
     "Page two: list your goals in the order you want to reach them. In each "
     "row pick a type (a category or a statistic), then an entry or the value "
     "to reach. The arrow button copies a row one step down so that you can "
     "insert a goal. Save your choices to load them again later. "
     "Page three: one line per level with the statistics, the points spent "
     "and the goals that became usable. The exported files add two columns: "
     "the spell points taken by the spells gained at that level, and the "
     "spell points still free in a budget that grows by 15 a level.",
     "Page 1 : entrez le niveau de départ, les cinq statistiques, les points "
     "de vie et de mana. Un Max masque les objets qui demandent plus de "
     "cette statistique (0 = sans limite). La Priorité désigne la "
     "statistique qui reçoit les points dont aucun choix n'a besoin. Cochez "
     "les catégories voulues. Page 2 : listez vos choix dans l'ordre où vous "
     "voulez les atteindre. Chaque ligne a un type (catégorie ou "
     "statistique) puis un objet ou une valeur. La flèche recopie une ligne "
     "vers le bas pour insérer un choix. Sauvez vos choix pour les recharger "
     "plus tard. Page 3 : une ligne par niveau avec les statistiques, les "
     "points répartis et les objets devenus utilisables. Les fichiers "
     "exportés ajoutent deux colonnes : les points de sort pris par les "
     "sorts obtenus à ce niveau, et la marge de points de sort encore "
     "libres, un budget qui croît de 15 par niveau.",
     "Seite 1: Startstufe, die fünf Attribute sowie Lebens- und Manapunkte "
     "eintragen. Ein Max-Wert blendet alles aus, was mehr von diesem "
     "Attribut verlangt (0 = keine Grenze). Die Priorität bestimmt das "
     "Attribut, das alle übrigen Punkte erhält. Gewünschte Kategorien "
     "ankreuzen. Seite 2: Ziele in der Reihenfolge eintragen, in der sie "
     "erreicht werden sollen. Jede Zeile hat einen Typ (Kategorie oder "
     "Attribut) und einen Eintrag oder einen Zielwert. Der Pfeil kopiert "
     "eine Zeile nach unten, um ein Ziel einzufügen. Ziele lassen sich "
     "speichern und später wieder laden. Seite 3: eine Zeile pro Stufe mit "
     "den Attributen, den verteilten Punkten und den nutzbar gewordenen "
     "Zielen. Die Exportdateien haben zwei weitere Spalten: die Zauberpunkte "
     "der auf dieser Stufe erlernten Zauber und die noch freien "
     "Zauberpunkte eines Budgets, das pro Stufe um 15 wächst."),
    # 32-37 choice screen
    ("Enter your Choices", "Entrez vos Choix", "Ziele eingeben"),
    ("Goal", "Choix", "Ziel"),
    ("Previous Page", "Page Précédente", "Vorherige Seite"),
    ("Load Choices", "Charger des choix", "Ziele laden"),
    ("Save Choices", "Sauver ces choix", "Ziele speichern"),
    ("Next Page", "Prochaine Page", "Nächste Seite"),
    # 38-39 message beginnings
    ("Could not save the choices to", "Impossible de sauver les choix dans",
     "Ziele konnten nicht gespeichert werden:"),
    ("Could not read the file", "Impossible de lire le fichier",
     "Datei konnte nicht gelesen werden:"),
    # 40-53 results screen
    ("Results", "Résultats", "Ergebnisse"),
    ("Lvl", "Lvl", "Lvl"),
    ("Str", "For", "Stä"),
    ("End", "End", "Aus"),
    ("Dex", "Dex", "Ges"),
    ("Sag", "Sag", "Wei"),
    ("Int", "Int", "Int"),
    ("HP", "PV", "LP"),
    ("MP", "PM", "MP"),
    ("Points spent", "Monter", "Punkte"),
    ("Goals reached", "Objets", "Erreichte Ziele"),
    ("Previous Page", "Page Précédente", "Vorherige Seite"),
    ("Save as TXT", "Sauver sous format TXT", "Als TXT speichern"),
    ("Save as HTML", "Sauver sous format HTML", "Als HTML speichern"),
    # 54-66 exports
    ("Brevath - Character Rise Plan", "Brevath - Plan de montée du personnage",
     "Brevath - Aufstiegsplan der Spielfigur"),
    ("Level", "Niveau", "Stufe"),
    ("Strength", "Force", "Stärke"),
    ("Endurance", "Endurance", "Ausdauer"),
    ("Dexterity", "Dextérité", "Geschicklichkeit"),
    ("Sagacity", "Sagesse", "Weisheit"),
    ("Intelligence", "Intelligence", "Intelligenz"),
    ("Hit Points", "Points de Vie", "Lebenspunkte"),
    ("Mana Points", "Points de Mana", "Manapunkte"),
    ("Points spent", "Points répartis", "Verteilte Punkte"),
    ("Goals reached", "Objets obtenus", "Erreichte Ziele"),
    ("Results saved to", "Résultats enregistrés dans",
     "Ergebnisse gespeichert unter"),
    ("Could not save the results to",
     "Impossible d'enregistrer les résultats dans",
     "Ergebnisse konnten nicht gespeichert werden:"),
    # 67 first item of the entry lists
    ("(choose an item)", "(choisir un objet)", "(Eintrag wählen)"),
    # 68-72 statistic labels of the points column
    ("Str", "For", "Stä"),
    ("End", "End", "Aus"),
    ("Dex", "Dex", "Ges"),
    ("Sag", "Sag", "Wei"),
    ("Int", "Int", "Int"),
    # 73-74 start screen
    ("Change Language", "Changer de Langue", "Sprache wechseln"),
    ("Priority", "Priorité", "Priorität"),
    # 75 first item of the type lists
    ("All categories", "Toutes catégories", "Alle Kategorien"),
    # 76-77 export columns 11 and 12
    ("Spell points used", "Points de sort utilisés", "Belegte Zauberpunkte"),
    ("Spell point margin", "Marge de points de sort", "Freie Zauberpunkte"),
    # 78-82 the statistics as type list items and goal labels
    ("Strength", "Force", "Stärke"),
    ("Endurance", "Endurance", "Ausdauer"),
    ("Dexterity", "Dextérité", "Geschicklichkeit"),
    ("Sagacity", "Sagesse", "Weisheit"),
    ("Intelligence", "Intelligence", "Intelligenz"),
]

# ---------------------------------------------------------------------------
# Catalogue. Each entry: (English, French, German, Str, End, Dex, Sag, Int).
# ---------------------------------------------------------------------------

BOWS = [
    ("Bent Willow Bow", "Arc de saule courbé", "Gebogener Weidenbogen", 10, 0, 12, 0, 0),
    ("Hazel Shortbow", "Arc court en noisetier", "Kurzbogen aus Hasel", 10, 0, 15, 0, 0),
    ("Reedmarsh Bow", "Arc des roselières", "Schilfmoorbogen", 12, 0, 20, 0, 0),
    ("Poacher's Bow", "Arc de braconnier", "Wildererbogen", 14, 0, 26, 0, 0),
    ("Yew Hunting Bow", "Arc de chasse en if", "Jagdbogen aus Eibe", 16, 0, 33, 0, 0),
    ("Falconer's Recurve", "Arc recourbé du fauconnier", "Reflexbogen des Falkners", 18, 0, 40, 0, 0),
    ("Thornwood Longbow", "Arc long en bois d'épine", "Dornholz-Langbogen", 24, 0, 50, 0, 0),
    ("Border Warden's Bow", "Arc du garde-frontière", "Bogen des Grenzwächters", 28, 10, 60, 0, 0),
    ("Horn Composite Bow", "Arc composite en corne", "Kompositbogen aus Horn", 34, 0, 72, 0, 0),
    ("Greyfletch Bow", "Arc aux plumes grises", "Graufederbogen", 38, 0, 85, 0, 0),
    ("Stormgull Bow", "Arc du goéland d'orage", "Sturmmöwenbogen", 44, 0, 100, 0, 0),
    ("Vaskir Warbow", "Arc de guerre vaskir", "Vaskirischer Kriegsbogen", 55, 0, 115, 0, 0),
    ("Moonbark Bow", "Arc d'écorce lunaire", "Mondrindenbogen", 50, 0, 130, 20, 0),
    ("Ember-Tipped Longbow", "Arc long à pointes de braise", "Glutspitzen-Langbogen", 62, 0, 150, 0, 0),
    ("Ironstring Bow", "Arc à corde de fer", "Eisensehnenbogen", 80, 0, 170, 0, 0),
    ("Gale Harrier", "Harceleur des bourrasques", "Böenjäger", 75, 0, 195, 0, 0),
    ("Bow of the Silent Marsh", "Arc du marais silencieux", "Bogen des stillen Moores", 85, 0, 220, 30, 0),
    ("Duskhunter's Bow", "Arc du chasseur du crépuscule", "Bogen des Dämmerungsjägers", 95, 0, 250, 0, 0),
    ("Greatbow of Sunspire", "Grand arc de Flèche-Soleil", "Großbogen von Sonnenspitz", 110, 0, 285, 0, 0),
    ("Orvane Starbow", "Arc stellaire d'Orvane", "Sternenbogen von Orvane", 120, 0, 320, 0, 40),
    ("Wyrmbone Bow", "Arc en os de guivre", "Lindwurmknochenbogen", 140, 0, 360, 0, 0),
    ("Halveth's Heartstring", "Corde du cœur de Halveth", "Halveths Herzsehne", 150, 0, 400, 0, 0),
    ("Bow of the Riven Sky", "Arc du ciel déchiré", "Bogen des zerrissenen Himmels", 160, 20, 440, 0, 0),
]

ROBES = [
    ("Novice's Linen Robe", "Robe de lin du novice", "Leinenrobe des Novizen", 0, 0, 0, 12, 10),
    ("Hemp Wayfarer Robe", "Robe de chanvre du voyageur", "Hanfrobe des Wanderers", 0, 0, 0, 15, 12),
    ("Acolyte's Robe", "Robe d'acolyte", "Akolythenrobe", 0, 0, 0, 20, 15),
    ("Lamplighter's Robe", "Robe de l'allumeur de réverbères", "Robe des Laternenanzünders", 0, 0, 0, 26, 20),
    ("Grey Scholar's Robe", "Robe grise d'érudit", "Graue Gelehrtenrobe", 0, 0, 0, 32, 28),
    ("Ashweave Robe", "Robe tissée de cendre", "Aschengewebte Robe", 0, 10, 0, 40, 34),
    ("Tidewater Robe", "Robe des eaux de marée", "Gezeitenrobe", 0, 0, 0, 50, 42),
    ("Robe of the Quiet Well", "Robe du puits silencieux", "Robe des stillen Brunnens", 0, 0, 0, 60, 52),
    ("Saffron Mystic's Robe", "Robe safran du mystique", "Safrangelbe Mystikerrobe", 0, 0, 0, 72, 62),
    ("Owlfeather Mantle", "Manteau en plumes de chouette", "Eulenfedermantel", 0, 0, 0, 85, 74),
    ("Robe of Drifting Stars", "Robe des étoiles errantes", "Robe der treibenden Sterne", 0, 0, 0, 100, 88),
    ("Hearthkeeper's Robe", "Robe de la gardienne du foyer", "Robe der Herdhüterin", 0, 20, 0, 115, 100),
    ("Quenmar Silk Robe", "Robe de soie de Quenmar", "Quenmarer Seidenrobe", 0, 0, 0, 130, 118),
    ("Frostveil Robe", "Robe au voile de givre", "Frostschleierrobe", 0, 0, 0, 150, 135),
    ("Robe of Whispering Ink", "Robe de l'encre murmurante", "Robe der flüsternden Tinte", 0, 0, 0, 170, 160),
    ("Emberweave Vestment", "Habit tissé de braises", "Glutgewirktes Gewand", 0, 30, 0, 195, 180),
    ("Archivist's High Robe", "Haute robe de l'archiviste", "Hohe Robe des Archivars", 0, 0, 0, 220, 210),
    ("Eclipse Raiment", "Parure de l'éclipse", "Gewand der Sonnenfinsternis", 0, 0, 0, 250, 240),
    ("Robe of the Seventh Tide", "Robe de la septième marée", "Robe der siebten Flut", 0, 0, 0, 285, 270),
    ("Celestine Vestment of Orvane", "Habit céleste d'Orvane", "Himmlisches Gewand von Orvane", 0, 0, 0, 330, 310),
    ("Veil of the Last Oracle", "Voile du dernier oracle", "Schleier des letzten Orakels", 0, 0, 0, 380, 350),
]

WEAPONS = [
    ("Rusty Knife", "Couteau rouillé", "Rostiges Messer", 8, 0, 10, 0, 0),
    ("Oak Cudgel", "Gourdin de chêne", "Eichenknüppel", 13, 0, 0, 0, 0),
    ("Bronze Shortsword", "Épée courte en bronze", "Kurzschwert aus Bronze", 14, 0, 12, 0, 0),
    ("Skinning Dagger", "Dague à dépecer", "Häutedolch", 10, 0, 18, 0, 0),
    ("Woodcutter's Axe", "Hache de bûcheron", "Holzfälleraxt", 22, 0, 0, 0, 0),
    ("Militia Spear", "Lance de milicien", "Milizspeer", 20, 10, 16, 0, 0),
    ("Iron Broadsword", "Épée large en fer", "Eisernes Breitschwert", 30, 0, 18, 0, 0),
    ("Duelist's Rapier", "Rapière de duelliste", "Rapier des Duellanten", 16, 0, 36, 0, 0),
    ("Iron-Shod Mace", "Masse d'armes ferrée", "Eisenbeschlagener Streitkolben", 40, 0, 12, 0, 0),
    ("Curved Saber of Tesh", "Sabre courbe de Tesh", "Krummsäbel von Tesh", 32, 0, 45, 0, 0),
    ("Bearded Battleaxe", "Hache d'armes barbue", "Bartaxt", 55, 10, 20, 0, 0),
    ("Steel Warhammer", "Marteau de guerre en acier", "Stählerner Kriegshammer", 65, 15, 0, 0, 0),
    ("Twin Fang Daggers", "Dagues jumelles en croc", "Fangzahn-Zwillingsdolche", 20, 0, 70, 0, 0),
    ("Knight's Bastard Sword", "Épée bâtarde de chevalier", "Anderthalbhänder des Ritters", 75, 0, 40, 0, 0),
    ("Glaive of the Red Ford", "Glaive du gué rouge", "Glefe der roten Furt", 85, 20, 55, 0, 0),
    ("Serpent Kris", "Kriss serpentin", "Schlangenkris", 30, 0, 105, 0, 0),
    ("Drumvar Maul", "Maillet de Drumvar", "Drumvarer Streithammer", 120, 30, 0, 0, 0),
    ("Moonsteel Scimitar", "Cimeterre d'acier lunaire", "Mondstahl-Krummschwert", 70, 0, 130, 0, 0),
    ("Executioner's Greataxe", "Grande hache du bourreau", "Große Henkersaxt", 160, 20, 40, 0, 0),
    ("Halberd of the Gathering Storm", "Hallebarde de l'orage naissant", "Hellebarde des aufziehenden Sturms", 150, 40, 90, 0, 0),
    ("Quiet Edge", "Lame du silence", "Stille Schneide", 60, 0, 200, 0, 0),
    ("Titan's Cleaver", "Couperet du titan", "Titanenbeil", 230, 50, 30, 0, 0),
    ("Dawnforge Longsword", "Épée longue de la Forge de l'Aube", "Langschwert der Morgenschmiede", 180, 0, 160, 0, 0),
    ("Ystral Moonglaive", "Glaive lunaire d'Ystral", "Mondglefe von Ystral", 140, 0, 260, 0, 30),
    ("Mountainsplitter Hammer", "Marteau fendeur de montagnes", "Bergspalter-Hammer", 330, 80, 0, 0, 0),
    ("Sorrowfang", "Croc du chagrin", "Kummerzahn", 120, 0, 360, 0, 0),
    ("Judgement of Orvane", "Jugement d'Orvane", "Urteil von Orvane", 420, 60, 100, 0, 0),
]

SKILLS = [
    ("Campfire Cooking", "Cuisine au feu de camp", "Lagerfeuerküche", 0, 10, 10, 0, 0),
    ("Basic Swordplay", "Escrime élémentaire", "Grundlagen des Schwertkampfs", 13, 0, 12, 0, 0),
    ("Herb Lore", "Herboristerie", "Kräuterkunde", 0, 0, 0, 15, 14),
    ("Tracking", "Pistage", "Spurenlesen", 0, 0, 18, 14, 0),
    ("Field Dressing", "Pansement de campagne", "Feldverband", 0, 14, 0, 20, 0),
    ("Quick Reload", "Rechargement rapide", "Schnelles Nachladen", 0, 0, 28, 0, 0),
    ("Shield Bash", "Coup de bouclier", "Schildstoß", 30, 20, 0, 0, 0),
    ("Meditation", "Méditation", "Meditation", 0, 0, 0, 32, 20),
    ("Lockpicking", "Crochetage", "Schlossknacken", 0, 0, 40, 0, 22),
    ("Rune Reading", "Lecture des runes", "Runenlesen", 0, 0, 0, 30, 45),
    ("Iron Stance", "Posture de fer", "Eiserner Stand", 40, 55, 0, 0, 0),
    ("Twin Shot", "Tir double", "Doppelschuss", 0, 0, 70, 0, 0),
    ("Cleaving Strike", "Frappe fendante", "Spaltender Hieb", 85, 20, 0, 0, 0),
    ("Mana Channelling", "Canalisation du mana", "Manalenkung", 0, 0, 0, 80, 90),
    ("Evasion", "Esquive", "Ausweichen", 0, 30, 110, 0, 0),
    ("Battle Cry", "Cri de guerre", "Schlachtruf", 120, 60, 0, 0, 0),
    ("Star Reading", "Lecture des astres", "Sterndeutung", 0, 0, 0, 130, 140),
    ("Piercing Volley", "Volée perçante", "Durchschlagende Salve", 40, 0, 180, 0, 0),
    ("Unbroken Will", "Volonté inébranlable", "Ungebrochener Wille", 0, 150, 0, 160, 0),
    ("Blade Dance", "Danse des lames", "Klingentanz", 140, 0, 220, 0, 0),
    ("Arcane Mastery", "Maîtrise des arcanes", "Arkane Meisterschaft", 0, 0, 0, 220, 300),
    ("Giant's Resolve", "Détermination du géant", "Entschlossenheit des Riesen", 300, 250, 0, 0, 0),
    ("Hawk's Eye", "Œil du faucon", "Falkenauge", 0, 0, 380, 60, 0),
]

AMULETS = [
    ("Clay Bead Amulet", "Amulette en perles d'argile", "Tonperlenamulett", 0, 0, 0, 10, 10),
    ("Wolf Tooth Charm", "Porte-bonheur en dent de loup", "Wolfszahnanhänger", 12, 12, 0, 0, 0),
    ("Copper Sun Pendant", "Pendentif au soleil de cuivre", "Kupfersonnenanhänger", 0, 0, 0, 16, 14),
    ("Hare's Foot Talisman", "Talisman en patte de lièvre", "Hasenpfoten-Talisman", 0, 0, 18, 0, 0),
    ("Acorn Locket", "Médaillon au gland", "Eichelmedaillon", 0, 18, 0, 18, 0),
    ("Amber Eye", "Œil d'ambre", "Bernsteinauge", 0, 0, 20, 0, 24),
    ("Tidestone Amulet", "Amulette de pierre des marées", "Gezeitenstein-Amulett", 0, 0, 0, 30, 28),
    ("Ironroot Amulet", "Amulette de racine de fer", "Eisenwurzel-Amulett", 30, 30, 0, 0, 0),
    ("Grey Heron Pendant", "Pendentif du héron cendré", "Graureiher-Anhänger", 0, 0, 38, 20, 0),
    ("Bloodstone Amulet", "Amulette de jaspe sanguin", "Blutjaspis-Amulett", 45, 40, 0, 0, 0),
    ("Owl's Gaze Amulet", "Amulette du regard de la chouette", "Amulett des Eulenblicks", 0, 0, 0, 50, 55),
    ("Ember Heart", "Cœur de braise", "Glutherz", 60, 0, 45, 0, 0),
    ("Tessyl's Locket", "Médaillon de Tessyl", "Tessyls Medaillon", 0, 0, 0, 75, 70),
    ("Warden's Seal", "Sceau du gardien", "Siegel des Wächters", 80, 80, 0, 0, 0),
    ("Shooting Star Amulet", "Amulette de l'étoile filante", "Sternschnuppen-Amulett", 0, 0, 90, 0, 90),
    ("Amulet of the Nine Winds", "Amulette des neuf vents", "Amulett der neun Winde", 0, 0, 110, 110, 0),
    ("Heart of the Old Forest", "Cœur de la vieille forêt", "Herz des alten Waldes", 0, 140, 0, 140, 0),
    ("Orvane Eternity Pendant", "Pendentif d'éternité d'Orvane", "Ewigkeitsanhänger von Orvane", 80, 80, 80, 80, 80),
]

RINGS = [
    ("Plain Tin Band", "Simple anneau d'étain", "Schlichter Zinnring", 10, 0, 0, 0, 0),
    ("Braided Grass Ring", "Anneau d'herbe tressée", "Ring aus geflochtenem Gras", 0, 0, 0, 12, 0),
    ("Copper Signet", "Chevalière de cuivre", "Kupferner Siegelring", 14, 0, 12, 0, 0),
    ("Ring of Small Mercies", "Anneau des petites grâces", "Ring der kleinen Gnaden", 0, 0, 0, 18, 15),
    ("Fox Ring", "Anneau du renard", "Fuchsring", 0, 0, 20, 0, 0),
    ("Garnet Ring", "Bague de grenat", "Granatring", 22, 18, 0, 0, 0),
    ("Moonsilver Ring", "Anneau d'argent lunaire", "Mondsilberring", 0, 0, 0, 25, 30),
    ("Archer's Thumb Ring", "Anneau de pouce d'archer", "Daumenring des Bogenschützen", 0, 0, 35, 0, 0),
    ("Ring of Stubborn Stone", "Anneau de la pierre têtue", "Ring des störrischen Steins", 35, 40, 0, 0, 0),
    ("Sapphire Band", "Anneau de saphir", "Saphirreif", 0, 0, 0, 45, 50),
    ("Ring of the Swift Hand", "Anneau de la main preste", "Ring der flinken Hand", 20, 0, 60, 0, 0),
    ("Obsidian Ring", "Anneau d'obsidienne", "Obsidianring", 70, 50, 0, 0, 0),
    ("Caddomir's Ring", "Anneau de Caddomir", "Caddomirs Ring", 0, 0, 0, 80, 85),
    ("Ring of Endless Breath", "Anneau du souffle infini", "Ring des endlosen Atems", 0, 110, 0, 60, 0),
    ("Falcon's Talon Ring", "Anneau de la serre du faucon", "Falkenkrallenring", 0, 0, 130, 0, 40),
    ("Ring of the Deep Well", "Anneau du puits profond", "Ring des tiefen Brunnens", 0, 0, 0, 140, 150),
    ("Warlord's Ring", "Anneau du seigneur de guerre", "Ring des Kriegsherrn", 170, 120, 0, 0, 0),
    ("Ring of the Twin Moons", "Anneau des lunes jumelles", "Ring der Zwillingsmonde", 0, 0, 150, 150, 150),
]

BRACELETS = [
    ("Leather Wristband", "Bracelet de cuir", "Lederarmband", 0, 10, 0, 0, 0),
    ("Knotted Cord Bracelet", "Bracelet de cordelette nouée", "Armband aus geknoteter Kordel", 0, 0, 12, 0, 0),
    ("Bone Bangle", "Jonc en os", "Knochenarmreif", 14, 0, 0, 0, 0),
    ("Copper Cuff", "Manchette de cuivre", "Kupfermanschette", 16, 14, 0, 0, 0),
    ("River Pebble Bracelet", "Bracelet de galets de rivière", "Armband aus Flusskieseln", 0, 0, 0, 18, 18),
    ("Archer's Bracer", "Brassard d'archer", "Armschiene des Bogenschützen", 0, 0, 25, 0, 0),
    ("Silver Chain Bracelet", "Bracelet en chaîne d'argent", "Silbernes Gliederarmband", 0, 0, 0, 28, 26),
    ("Iron Wristguard", "Protège-poignet en fer", "Eiserner Handgelenkschutz", 35, 30, 0, 0, 0),
    ("Bracelet of Quiet Thoughts", "Bracelet des pensées paisibles", "Armband der stillen Gedanken", 0, 0, 0, 45, 45),
    ("Hawkfeather Band", "Bracelet en plumes d'épervier", "Habichtfeder-Armband", 0, 0, 55, 0, 20),
    ("Stoneskin Bracer", "Brassard peau-de-pierre", "Steinhaut-Armschiene", 60, 70, 0, 0, 0),
    ("Bangle of Three Flames", "Jonc des trois flammes", "Armreif der drei Flammen", 0, 0, 0, 80, 90),
    ("Swiftwind Bracelet", "Bracelet du vent vif", "Armband des raschen Windes", 0, 0, 110, 0, 0),
    ("Bracer of Old Granite", "Brassard du vieux granit", "Armschiene des alten Granits", 130, 110, 0, 0, 0),
    ("Scholar's Gilded Bangle", "Jonc doré de l'érudit", "Vergoldeter Armreif des Gelehrten", 0, 0, 0, 140, 160),
    ("Bracelet of Orvane's Dawn", "Bracelet de l'aube d'Orvane", "Morgenrot-Armband von Orvane", 90, 90, 90, 90, 90),
]

ARMOURS = [
    ("Padded Tunic", "Tunique matelassée", "Gepolstertes Wams", 10, 10, 0, 0, 0),
    ("Boiled Leather Jerkin", "Pourpoint de cuir bouilli", "Hartlederweste", 12, 14, 0, 0, 0),
    ("Hide Armour", "Armure de peaux", "Fellrüstung", 15, 16, 0, 0, 0),
    ("Studded Leather Armour", "Armure de cuir clouté", "Beschlagene Lederrüstung", 18, 20, 0, 0, 0),
    ("Ring Mail Shirt", "Chemise d'anneaux", "Ringpanzerhemd", 24, 24, 0, 0, 0),
    ("Scale Hauberk", "Haubert d'écailles", "Schuppenpanzerhemd", 30, 30, 0, 0, 0),
    ("Chain Mail of the Watch", "Cotte de mailles du guet", "Kettenhemd der Stadtwache", 36, 38, 0, 0, 0),
    ("Brigandine", "Brigandine", "Brigantine", 44, 44, 0, 0, 0),
    ("Scout's Lamellar", "Lamellaire d'éclaireur", "Lamellenpanzer des Spähers", 40, 40, 35, 0, 0),
    ("Splinted Mail", "Armure à attelles", "Schienenpanzer", 55, 55, 0, 0, 0),
    ("Banded Armour of Korr", "Armure à bandes de Korr", "Bänderpanzer von Korr", 65, 68, 0, 0, 0),
    ("Half Plate", "Demi-armure de plates", "Halbplattenrüstung", 78, 80, 0, 0, 0),
    ("Knight's Full Plate", "Harnois de chevalier", "Ritterharnisch", 95, 95, 0, 0, 0),
    ("Tempered Steel Harness", "Harnois d'acier trempé", "Harnisch aus gehärtetem Stahl", 110, 115, 0, 0, 0),
    ("Ash Drake Cuirass", "Cuirasse du drac des cendres", "Kürass des Aschendrachen", 130, 130, 0, 0, 0),
    ("Bulwark Plate", "Armure du rempart", "Bollwerkrüstung", 150, 160, 0, 0, 0),
    ("Frostforged Plate", "Armure forgée dans le givre", "Frostgeschmiedete Plattenrüstung", 175, 180, 0, 0, 0),
    ("Armour of the Iron Vow", "Armure du serment de fer", "Rüstung des eisernen Schwurs", 200, 210, 0, 0, 0),
    ("Ember Knight's Harness", "Harnois du chevalier de braise", "Harnisch des Glutritters", 230, 240, 0, 0, 0),
    ("Colossus Plate", "Armure du colosse", "Kolossrüstung", 270, 280, 0, 0, 0),
    ("Bastion of Brannoch", "Bastion de Brannoch", "Bastion von Brannoch", 320, 330, 0, 0, 0),
    ("Armour of the Undying Hearth", "Armure du foyer éternel", "Rüstung des ewigen Herdes", 350, 380, 0, 0, 0),
]

# Spell schools and effects: the two descriptive fields of a spell line.
SCHOOLS = {
    "fire": ("Fire", "Feu", "Feuer"),
    "water": ("Water", "Eau", "Wasser"),
    "air": ("Air", "Air", "Luft"),
    "earth": ("Earth", "Terre", "Erde"),
    "light": ("Light", "Lumière", "Licht"),
    "shadow": ("Shadow", "Ombre", "Schatten"),
    "spirit": ("Spirit", "Esprit", "Geist"),
}
EFFECTS = {
    "damage": ("damage", "dégâts", "Schaden"),
    "heal": ("healing", "soin", "Heilung"),
    "shield": ("shield", "protection", "Schutz"),
    "curse": ("curse", "malédiction", "Fluch"),
    "summon": ("summoning", "invocation", "Beschwörung"),
    "boost": ("blessing", "bénédiction", "Segen"),
    "travel": ("travel", "voyage", "Reise"),
}

# Spells: names, Str, End, Dex, Sag, Int, level, school, effect, spell points.
# The spell points add up so that a mage who learns the spells in order
# stays within a budget of 15 points a level.
SPELLS = [
    ("Spark", "Étincelle", "Funkenschlag", 0, 0, 0, 10, 12, 1, "fire", "damage", 5),
    ("Soothing Touch", "Toucher apaisant", "Sanfte Berührung", 0, 0, 0, 14, 11, 2, "water", "heal", 5),
    ("Stone Dart", "Fléchette de pierre", "Steinpfeil", 0, 0, 0, 14, 19, 4, "earth", "damage", 10),
    ("Gust", "Bourrasque", "Windstoß", 0, 0, 0, 16, 25, 6, "air", "damage", 15),
    ("Glimmer Ward", "Garde scintillante", "Schimmerschutz", 0, 0, 0, 25, 18, 8, "light", "shield", 20),
    ("Frost Needle", "Aiguille de givre", "Frostnadel", 0, 0, 0, 25, 35, 11, "water", "damage", 30),
    ("Mending Light", "Lumière réparatrice", "Heilendes Licht", 0, 0, 0, 35, 25, 14, "light", "heal", 35),
    ("Shadow Grasp", "Étreinte de l'ombre", "Schattengriff", 0, 0, 0, 30, 50, 18, "shadow", "curse", 40),
    ("Flame Lash", "Fouet de flammes", "Flammenpeitsche", 0, 0, 0, 35, 60, 22, "fire", "damage", 45),
    ("Bark Skin", "Peau d'écorce", "Borkenhaut", 0, 0, 0, 50, 40, 26, "earth", "shield", 50),
    ("Call the Hearth Hound", "Appel du chien de l'âtre", "Ruf des Herdhundes", 0, 0, 0, 60, 45, 31, "spirit", "summon", 55),
    ("Forked Lightning", "Éclair fourchu", "Gegabelter Blitz", 0, 0, 0, 55, 90, 36, "air", "damage", 60),
    ("Wellspring", "Source vive", "Lebensquell", 0, 0, 0, 80, 60, 42, "water", "heal", 70),
    ("Veil of Mist", "Voile de brume", "Nebelschleier", 0, 0, 0, 70, 115, 48, "air", "shield", 75),
    ("Ember Rain", "Pluie de braises", "Glutregen", 0, 0, 0, 80, 130, 55, "fire", "damage", 80),
    ("Wither", "Flétrissure", "Verdorren", 0, 0, 0, 90, 145, 63, "shadow", "curse", 90),
    ("Stonewall", "Mur de pierre", "Steinwall", 0, 30, 0, 125, 95, 72, "earth", "shield", 100),
    ("Dawn Blessing", "Bénédiction de l'aube", "Segen der Morgenröte", 0, 0, 0, 140, 105, 82, "light", "boost", 110),
    ("Icebound Tomb", "Tombeau de glace", "Eisgrab", 0, 0, 0, 130, 215, 93, "water", "curse", 120),
    ("Spirit Wolves", "Loups spirituels", "Geisterwölfe", 0, 0, 0, 175, 135, 104, "spirit", "summon", 130),
    ("Tempest", "Tempête", "Unwetter", 0, 0, 0, 160, 265, 116, "air", "damage", 140),
    ("Greater Restoration", "Grande restauration", "Große Wiederherstellung", 0, 0, 0, 215, 160, 128, "light", "heal", 160),
    ("Mirror Step", "Pas du miroir", "Spiegelschritt", 0, 0, 0, 190, 315, 140, "spirit", "travel", 180),
    ("Devouring Dark", "Ténèbres dévorantes", "Verschlingende Dunkelheit", 0, 0, 0, 205, 340, 152, "shadow", "damage", 200),
    ("Earthshaper's Wrath", "Colère du façonneur de terre", "Zorn des Erdformers", 0, 0, 0, 225, 370, 165, "earth", "damage", 250),
    ("Sanctuary of Dawn", "Sanctuaire de l'aube", "Zuflucht der Morgenröte", 0, 0, 0, 295, 220, 178, "light", "shield", 300),
    ("Starfall of Orvane", "Chute d'étoiles d'Orvane", "Sternensturz von Orvane", 0, 0, 0, 255, 425, 190, "fire", "damage", 400),
]

SPECIAL_ARMOURS = [
    ("Wicker Buckler", "Rondache d'osier", "Geflochtener Faustschild", 10, 10, 0, 0, 0),
    ("Pine Roundshield", "Bouclier rond en pin", "Rundschild aus Kiefernholz", 14, 12, 0, 0, 0),
    ("Hide Targe", "Targe en peau", "Fellbezogene Tartsche", 16, 16, 0, 0, 0),
    ("Studded Kite Shield", "Bouclier en amande clouté", "Beschlagener Drachenschild", 22, 22, 0, 0, 0),
    ("Hunter's Camouflage Cloak", "Cape de camouflage du chasseur", "Tarnumhang des Jägers", 0, 15, 25, 0, 0),
    ("Iron Heater Shield", "Écu de fer", "Eiserner Dreiecksschild", 30, 28, 0, 0, 0),
    ("Sage's Warding Mantle", "Manteau de protection du sage", "Schutzmantel des Weisen", 0, 0, 0, 40, 30),
    ("Tower Shield of the Watch", "Pavois du guet", "Setzschild der Wache", 45, 50, 0, 0, 0),
    ("Thistledown Cloak", "Cape en duvet de chardon", "Distelflaum-Umhang", 0, 20, 60, 0, 0),
    ("Blackthorn Pavise", "Pavois d'épine noire", "Schwarzdorn-Pavese", 70, 75, 0, 0, 0),
    ("Mirror Shield", "Bouclier miroir", "Spiegelschild", 60, 50, 0, 40, 40),
    ("Runed Shield of Korr", "Bouclier runique de Korr", "Runenschild von Korr", 95, 100, 0, 0, 0),
    ("Mantle of the Night Heron", "Manteau du héron de nuit", "Mantel des Nachtreihers", 0, 40, 150, 0, 0),
    ("Stormward Shield", "Bouclier pare-orage", "Sturmwehr-Schild", 140, 150, 0, 0, 0),
    ("Starwoven Cloak", "Cape tissée d'étoiles", "Sternengewebter Umhang", 0, 0, 0, 170, 190),
    ("Drakehorn Bulwark", "Rempart en corne de drac", "Drachenhorn-Bollwerk", 200, 220, 0, 0, 0),
    ("Mantle of the Undimmed Sun", "Manteau du soleil sans déclin", "Mantel der unverblassten Sonne", 0, 0, 0, 260, 280),
    ("Gatekeeper of Orvane", "Gardien de la porte d'Orvane", "Torwächter von Orvane", 300, 340, 0, 0, 0),
]

# File suffix and table of each category, in load order.
CATEGORIES = [
    ("_arcs.txt", BOWS),
    ("_robes.txt", ROBES),
    ("_armes.txt", WEAPONS),
    ("_competences.txt", SKILLS),
    ("_amulettes.txt", AMULETS),
    ("_anneaux.txt", RINGS),
    ("_bracelets.txt", BRACELETS),
    ("_armures.txt", ARMOURS),
    ("_sorts.txt", SPELLS),
    ("_armuresspeciales.txt", SPECIAL_ARMOURS),
]

# ---------------------------------------------------------------------------
# Example plans. A goal is an English entry name (translated on writing) or
# (statistic number 1-5, target value).
# ---------------------------------------------------------------------------

EXAMPLES = {
    "bowman": [
        "Hazel Shortbow",
        "Studded Leather Armour",
        "Poacher's Bow",
        (3, 40),
        "Archer's Bracer",
        "Falconer's Recurve",
        "Quick Reload",
        "Scout's Lamellar",
        "Horn Composite Bow",
        "Archer's Thumb Ring",
        "Twin Shot",
        (2, 60),
        "Stormgull Bow",
        "Moonbark Bow",
        "Mantle of the Night Heron",
        "Ironstring Bow",
        "Bow of the Silent Marsh",
        "Piercing Volley",
        (1, 120),
        "Greatbow of Sunspire",
        "Orvane Starbow",
        "Hawk's Eye",
        "Bow of the Riven Sky",
    ],
    "mage": [
        "Novice's Linen Robe",
        "Spark",
        "Stone Dart",
        "Gust",
        "Frost Needle",
        "Mending Light",
        "Shadow Grasp",
        "Flame Lash",
        "Bark Skin",
        "Tidewater Robe",
        "Call the Hearth Hound",
        "Forked Lightning",
        "Wellspring",
        "Veil of Mist",
        "Ember Rain",
        (2, 40),
        "Wither",
        "Stonewall",
        "Dawn Blessing",
        "Frostveil Robe",
        "Icebound Tomb",
        "Spirit Wolves",
        "Tempest",
        "Greater Restoration",
        "Mirror Step",
        "Devouring Dark",
        "Earthshaper's Wrath",
        "Sanctuary of Dawn",
        "Celestine Vestment of Orvane",
        "Starfall of Orvane",
    ],
    "warrior": [
        "Oak Cudgel",
        "Padded Tunic",
        "Pine Roundshield",
        "Basic Swordplay",
        "Iron Broadsword",
        "Ring Mail Shirt",
        (1, 50),
        "Shield Bash",
        "Steel Warhammer",
        "Half Plate",
        "Iron Stance",
        "Knight's Bastard Sword",
        "Warden's Seal",
        "Knight's Full Plate",
        "Battle Cry",
        "Drumvar Maul",
        "Executioner's Greataxe",
        "Armour of the Iron Vow",
        "Warlord's Ring",
        "Titan's Cleaver",
        "Colossus Plate",
        "Mountainsplitter Hammer",
        "Bastion of Brannoch",
        "Gatekeeper of Orvane",
        "Judgement of Orvane",
    ],
}

# ---------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------


def caption_record(text):
    """One caption as a record of the caption file."""
    if '"' in text or "\r" in text or "\n" in text:
        raise ValueError("caption cannot hold a double quote or a line break: %r" % text)
    if "," in text or text[:1] in (" ", "\t"):
        return '"' + text + '"'
    return text


def write_lines(path, lines):
    for line in lines:
        if line == "":
            raise ValueError("empty line in %s" % path)
        if "\r" in line or "\n" in line:
            raise ValueError("line break inside a line of %s" % path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # newline="\r\n" turns every "\n" written into CR LF.
    with open(path, "w", encoding="cp1252", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def catalogue_line(entry, lang, is_spell):
    name = entry[lang]
    if "," in name or '"' in name or "\t" in name:
        raise ValueError("bad character in entry name %r" % name)
    numbers = entry[3:8]
    fields = [name] + [str(n) for n in numbers]
    if is_spell:
        level, school, effect, points = entry[8:12]
        fields += [str(level), SCHOOLS[school][lang], EFFECTS[effect][lang], str(points)]
    return "\t".join(fields)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir)
    data = os.path.normpath(os.path.join(root, "data"))

    if len(CAPTIONS) != 82:
        raise SystemExit("there must be 82 captions, not %d" % len(CAPTIONS))

    by_english = {}
    for _, table in CATEGORIES:
        for entry in table:
            by_english[entry[0]] = entry

    for lang, language in enumerate(LANGUAGES):
        write_lines(os.path.join(data, language + ".txt"),
                    [caption_record(c[lang]) for c in CAPTIONS])

        seen = set()
        for suffix, table in CATEGORIES:
            is_spell = table is SPELLS
            lines = []
            for entry in table:
                if entry[lang] in seen:
                    raise SystemExit("duplicate %s name %r" % (language, entry[lang]))
                seen.add(entry[lang])
                lines.append(catalogue_line(entry, lang, is_spell))
            write_lines(os.path.join(data, language, language + suffix), lines)

        for build, goals in EXAMPLES.items():
            lines = []
            for goal in goals:
                if isinstance(goal, tuple):
                    stat, value = goal
                    lines.append("%d\t%d" % (stat, value))
                else:
                    lines.append("0\t" + by_english[goal][lang])
            write_lines(os.path.join(data, "examples", "%s_%s.txt" % (language, build)), lines)

    return 0


if __name__ == "__main__":
    sys.exit(main())
