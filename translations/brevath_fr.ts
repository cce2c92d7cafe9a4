<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Brevath</name>
    <message numerus="yes">
        <source>%n goal(s) translated from another language.</source>
        <translation>
            <numerusform>%n objectif traduit depuis une autre langue.</numerusform>
            <numerusform>%n objectifs traduits depuis une autre langue.</numerusform>
        </translation>
    </message>
    <message>
        <source>This text is not a Brevath share code.</source>
        <translation>Ce texte n’est pas un code de partage Brevath.</translation>
    </message>
    <message>
        <source>This share code is incomplete: it was probably cut off when copied.</source>
        <translation>Ce code de partage est incomplet&#xa0;: il a sans doute été coupé lors de la copie.</translation>
    </message>
    <message>
        <source>This share code is damaged and cannot be read.</source>
        <translation>Ce code de partage est endommagé et ne peut pas être lu.</translation>
    </message>
    <message>
        <source>This share code comes from a newer version of Brevath and cannot be read here.</source>
        <translation>Ce code de partage vient d’une version plus récente de Brevath et ne peut pas être lu ici.</translation>
    </message>
    <message numerus="yes">
        <source>This share code names %n goal(s) that the catalogue in force does not hold.</source>
        <translation>
            <numerusform>Ce code de partage nomme %n objectif absent du catalogue en vigueur.</numerusform>
            <numerusform>Ce code de partage nomme %n objectifs absents du catalogue en vigueur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This share code was made with a different catalogue: here its goal(s) %1 may name other entries. It was not loaded.</source>
        <translation>
            <numerusform>Ce code de partage vient d’un autre catalogue&#xa0;: ici, son objectif %1 pourrait nommer une autre entrée. Il n’a pas été chargé.</numerusform>
            <numerusform>Ce code de partage vient d’un autre catalogue&#xa0;: ici, ses objectifs %1 pourraient nommer d’autres entrées. Il n’a pas été chargé.</numerusform>
        </translation>
    </message>
    <message>
        <source>The data folder given with --data-dir is empty.</source>
        <translation>Le dossier de données donné par --data-dir est vide.</translation>
    </message>
    <message>
        <source>Cannot tell which folder this program is in; give it with --data-dir.</source>
        <translation>Impossible de savoir dans quel dossier se trouve ce programme&#xa0;; indiquez-le avec --data-dir.</translation>
    </message>
    <message>
        <source>No data for the language %1 in %2.</source>
        <translation>Aucune donnée pour la langue %1 dans %2.</translation>
    </message>
    <message>
        <source>Data: %1
Settings: %2</source>
        <translation>Données&#xa0;: %1
Réglages&#xa0;: %2</translation>
    </message>
    <message>
        <source>A statistic goal of %1 is out of range.</source>
        <translation>Un objectif de statistique de %1 est hors limites.</translation>
    </message>
    <message>
        <source>share code</source>
        <translation>code de partage</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>This plan</source>
        <translation>Ce plan</translation>
    </message>
    <message>
        <source>Chart of the rise</source>
        <translation>Graphique de la montée</translation>
    </message>
    <message>
        <source>Compare with a choice file…</source>
        <translation>Comparer avec un fichier de choix…</translation>
    </message>
    <message>
        <source>Compare with the copied share code</source>
        <translation>Comparer avec le code de partage copié</translation>
    </message>
    <message>
        <source>Copy share code</source>
        <translation>Copier le code de partage</translation>
    </message>
    <message>
        <source>Close comparison</source>
        <translation>Fermer la comparaison</translation>
    </message>
    <message>
        <source>Cannot tell which folder Brevath is in.</source>
        <translation>Impossible de savoir dans quel dossier se trouve Brevath.</translation>
    </message>
    <message>
        <source>Could not move %1 to the bin.</source>
        <translation>Impossible de mettre %1 à la corbeille.</translation>
    </message>
    <message>
        <source>Could not restore %1.</source>
        <translation>Impossible de restaurer %1.</translation>
    </message>
    <message>
        <source>A goal of this plan is never reached.</source>
        <translation>Un objectif de ce plan n’est jamais atteint.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Objectifs</translation>
    </message>
    <message>
        <source>Last goal at</source>
        <translation>Dernier objectif au</translation>
    </message>
    <message>
        <source>Sum of levels</source>
        <translation>Somme des niveaux</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s) name nothing in the catalogue in force.</source>
        <translation>
            <numerusform>%n objectif ne nomme rien dans le catalogue en vigueur.</numerusform>
            <numerusform>%n objectifs ne nomment rien dans le catalogue en vigueur.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <comment>a column heading, then a row label</comment>
        <translation>%1 pour %2</translation>
    </message>
    <message>
        <source>Back to the start screen</source>
        <translation>Retour à l’écran de départ</translation>
    </message>
    <message>
        <source>Result list</source>
        <translation>Liste des résultats</translation>
    </message>
    <message>
        <source>Comparison of the two plans</source>
        <translation>Comparaison des deux plans</translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s) name nothing in the catalogue in force; the plan skips them.</source>
        <translation>
            <numerusform>%n objectif ne nomme rien dans le catalogue en vigueur&#xa0;; le plan l’ignore.</numerusform>
            <numerusform>%n objectifs ne nomment rien dans le catalogue en vigueur&#xa0;; le plan les ignore.</numerusform>
        </translation>
    </message>
    <message>
        <source>First plan (%1): %2</source>
        <translation>Premier plan (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Second plan (%1): %2</source>
        <translation>Second plan (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>Refused value: %1</source>
        <translation>Valeur refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>--pin %1: row %1 holds no goal of the plan.</source>
        <translation>--pin %1&#xa0;: la ligne %1 ne contient aucun objectif du plan.</translation>
    </message>
    <message>
        <source>Save as a page to share or print…</source>
        <translation>Enregistrer comme page à partager ou imprimer…</translation>
    </message>
    <message>
        <source>As the first goal: reached at level %1.</source>
        <translation>En premier objectif : atteint au niveau %1.</translation>
    </message>
    <message>
        <source>As the first goal: never reached.</source>
        <translation>En premier objectif : jamais atteint.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Copy the selected lines</source>
        <translation>Copier les lignes choisies</translation>
    </message>
    <message>
        <source>Share code copied.</source>
        <translation>Code de partage copié.</translation>
    </message>
    <message>
        <source>Lines copied.</source>
        <translation>Lignes copiées.</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <translation>Pages web (*.html *.htm)</translation>
    </message>
    <message>
        <source>Choice files (*.txt)</source>
        <translation>Fichiers de choix (*.txt)</translation>
    </message>
    <message>
        <source>Reached at level</source>
        <translation>Atteint au niveau</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>The statistics level by level</source>
        <translation>Les caractéristiques niveau par niveau</translation>
    </message>
    <message>
        <source>Share code:</source>
        <translation>Code de partage&#xa0;:</translation>
    </message>
    <message>
        <source>--suggest-order goal:%1: row %1 holds no goal of the plan.</source>
        <translation>--suggest-order goal:%1&#xa0;: la ligne %1 ne contient aucun objectif du plan.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::FirstScreen</name>
    <message>
        <source>My plans…</source>
        <translation>Mes plans…</translation>
    </message>
    <message>
        <source>The plans kept by this program (%1)</source>
        <translation>Les plans gardés par ce programme (%1)</translation>
    </message>
</context>
<context>
    <name>brevath::ui::HelpScreen</name>
    <message>
        <source>Beyond the pages. Start screen: My plans… (Ctrl+L) keeps plans and opens them again. Choice screen, the Tools button: undo (Ctrl+Z), redo (Ctrl+Y), copy or paste the goal list (Ctrl+Shift+C, Ctrl+Shift+V; a copied share code pastes too), copy the share code (Ctrl+Alt+C), suggest an order (Ctrl+Shift+R). Results screen: the chart button, and the … button: copy the selected lines (Ctrl+C), copy the share code (Ctrl+Alt+C), save as a page (Ctrl+Shift+S), compare with a choice file (Ctrl+Shift+O) or with a copied share code (Ctrl+Shift+V).</source>
        <translation>Au-delà des pages. Écran de départ : Mes plans… (Ctrl+L) garde les plans et les rouvre. Écran des choix, bouton Outils : annuler (Ctrl+Z), rétablir (Ctrl+Y), copier ou coller la liste des objectifs (Ctrl+Maj+C, Ctrl+Maj+V ; un code de partage copié se colle aussi), copier le code de partage (Ctrl+Alt+C), suggérer un ordre (Ctrl+Maj+R). Écran des résultats : le bouton du graphique, et le bouton … : copier les lignes choisies (Ctrl+C), copier le code de partage (Ctrl+Alt+C), enregistrer en page (Ctrl+Maj+S), comparer avec un fichier de choix (Ctrl+Maj+O) ou avec un code de partage copié (Ctrl+Maj+V).</translation>
    </message>
</context>
<context>
    <name>brevath::ui::LibraryWindow</name>
    <message>
        <source>My plans</source>
        <translation>Mes plans</translation>
    </message>
    <message>
        <source>Search the names and notes (Ctrl+F)</source>
        <translation>Chercher dans les noms et les notes (Ctrl+F)</translation>
    </message>
    <message>
        <source>Show the bin</source>
        <translation>Afficher la corbeille</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save the current plan…</source>
        <translation>Enregistrer le plan actuel…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Notes…</source>
        <translation>Notes…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Compare the two</source>
        <translation>Comparer les deux</translation>
    </message>
    <message>
        <source>Import a file…</source>
        <translation>Importer un fichier…</translation>
    </message>
    <message>
        <source>Import the copied share code</source>
        <translation>Importer le code de partage copié</translation>
    </message>
    <message>
        <source>Export as a choice file…</source>
        <translation>Exporter en fichier de choix…</translation>
    </message>
    <message>
        <source>Copy its share code</source>
        <translation>Copier son code de partage</translation>
    </message>
    <message>
        <source>Save as a page…</source>
        <translation>Enregistrer comme page…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Name of the plan:</source>
        <translation>Nom du plan&#xa0;:</translation>
    </message>
    <message>
        <source>The library already holds the plan “%1”. Replace it?</source>
        <translation>La bibliothèque contient déjà le plan «&#xa0;%1&#xa0;». Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>New name of the plan:</source>
        <translation>Nouveau nom du plan&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Shared plan</source>
        <translation>Plan partagé</translation>
    </message>
</context>
<context>
    <name>brevath::ui::OrderDialog</name>
    <message>
        <source>Suggest an order</source>
        <translation>Suggérer un ordre</translation>
    </message>
    <message>
        <source>Lowest sum of the levels at which the goals are reached</source>
        <translation>Plus petite somme des niveaux où les objectifs sont atteints</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Suggérer</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Level now</source>
        <translation>Niveau actuel</translation>
    </message>
    <message>
        <source>Apply this order</source>
        <translation>Appliquer cet ordre</translation>
    </message>
    <message>
        <source>Objective:</source>
        <translation>Objectif&#xa0;:</translation>
    </message>
    <message>
        <source>Rows that keep their place:</source>
        <translation>Lignes qui gardent leur place&#xa0;:</translation>
    </message>
    <message>
        <source>There must be at least two goals to order.</source>
        <translation>Il faut au moins deux objectifs à ordonner.</translation>
    </message>
    <message>
        <source>Searching for a better order…</source>
        <translation>Recherche d’un meilleur ordre…</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>No better order was found: the rows stay as they are.</source>
        <translation>Aucun meilleur ordre trouvé&#xa0;: les lignes restent telles quelles.</translation>
    </message>
    <message>
        <source>Levels now and with the suggestion</source>
        <translation>Niveaux actuels et avec la suggestion</translation>
    </message>
    <message>
        <source>Suggested level</source>
        <translation>Niveau suggéré</translation>
    </message>
    <message>
        <source>%1: %2, no change.</source>
        <translation>%1 : %2, sans changement.</translation>
    </message>
    <message>
        <source>%1: %2 instead of %3.</source>
        <translation>%1 : %2 au lieu de %3.</translation>
    </message>
    <message>
        <source>never reached</source>
        <translation>jamais atteint</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>niveau %1</translation>
    </message>
    <message>
        <source>Goals never reached</source>
        <translation>Objectifs jamais atteints</translation>
    </message>
    <message>
        <source>Sum of the levels</source>
        <translation>Somme des niveaux</translation>
    </message>
    <message>
        <source>One goal as early as possible, then the lowest sum</source>
        <translation>Un objectif au plus tôt, puis la plus petite somme</translation>
    </message>
    <message>
        <source>Goal to reach as early as possible:</source>
        <translation>Objectif à atteindre au plus tôt&#xa0;:</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Ligne %1 (%2)</translation>
    </message>
</context>
<context>
    <name>brevath::ui::Program</name>
    <message>
        <source>The share code&apos;s sheet, priority and ticked categories are now on the start screen.</source>
        <translation>La fiche, la priorité et les catégories cochées du code de partage sont maintenant sur l’écran de départ.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::RiseChart</name>
    <message>
        <source>This plan</source>
        <translation>Ce plan</translation>
    </message>
</context>
<context>
    <name>brevath::ui::SecondScreen</name>
    <message>
        <source>Copy goal list</source>
        <translation>Copier la liste des objectifs</translation>
    </message>
    <message>
        <source>Paste goal list</source>
        <translation>Coller la liste des objectifs</translation>
    </message>
    <message>
        <source>Copy share code</source>
        <translation>Copier le code de partage</translation>
    </message>
    <message>
        <source>Suggest an order…</source>
        <translation>Suggérer un ordre…</translation>
    </message>
    <message>
        <source>No entry of this name: the plan will skip this goal.</source>
        <translation>Aucune entrée de ce nom&#xa0;: le plan ignorera cet objectif.</translation>
    </message>
    <message>
        <source>This entry&apos;s category is not ticked on the start screen; the plan still counts it.</source>
        <translation>La catégorie de cette entrée n’est pas cochée sur l’écran de départ&#xa0;; le plan la compte quand même.</translation>
    </message>
    <message>
        <source>Never reached: the rise ends at level 199 first.</source>
        <translation>Jamais atteint&#xa0;: la montée s’arrête d’abord au niveau 199.</translation>
    </message>
    <message>
        <source>Reached at level %1.</source>
        <translation>Atteint au niveau %1.</translation>
    </message>
    <message>
        <source>Type of goal %1</source>
        <translation>Type de l’objectif %1</translation>
    </message>
    <message>
        <source>Shift the goals down from goal %1</source>
        <translation>Décaler vers le bas les objectifs à partir de l’objectif %1</translation>
    </message>
    <message>
        <source>Goal %1 is repeated in the row below it; every later goal moves down one row and the last one drops off.</source>
        <translation>L’objectif %1 est répété dans la ligne du dessous&#xa0;; chaque objectif suivant descend d’une ligne et le dernier disparaît.</translation>
    </message>
    <message>
        <source>Goals in view</source>
        <translation>Objectifs affichés</translation>
    </message>
    <message>
        <source>Suggested entries</source>
        <translation>Entrées proposées</translation>
    </message>
    <message>
        <source>Nothing was copied: a statistic value is not a number a plan can hold.</source>
        <translation>Rien n&apos;a été copié : une valeur de statistique n&apos;est pas un nombre qu&apos;un plan peut contenir.</translation>
    </message>
    <message>
        <source>Goal list copied.</source>
        <translation>Liste des objectifs copiée.</translation>
    </message>
    <message>
        <source>The clipboard holds neither a goal list nor a share code.</source>
        <translation>Le presse-papiers ne contient ni liste d&apos;objectifs ni code de partage.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Share code copied.</source>
        <translation>Code de partage copié.</translation>
    </message>
</context>
<context>
    <name>brevath::ui::ToolsButton</name>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>%1: copy, paste, compare and more, with their keys</source>
        <translation>%1 : copier, coller, comparer et plus, avec leurs touches</translation>
    </message>
</context>
</TS>
