<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Birthplace:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>a Debian build machine</source>
        <translation>une machine Debian</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Né le :</translation>
    </message>
    <message>
        <source>8 December 2026</source>
        <translation>8 décembre 2026</translation>
    </message>
    <message>
        <source>Occupation:</source>
        <translation>Métier :</translation>
    </message>
    <message>
        <source>simulator makers</source>
        <translation>fabricants de simulateurs</translation>
    </message>
    <message>
        <source>Hobby:</source>
        <translation>Passe-temps :</translation>
    </message>
    <message>
        <source>putting out LCD fires</source>
        <translation>éteindre des feux sur LCD</translation>
    </message>
    <message>
        <source>About the author...</source>
        <translation>À propos des auteurs...</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>the clip exporter %1 could not be loaded: %2</source>
        <translation>l&apos;exportateur de clips %1 n&apos;a pas pu être chargé : %2</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>il a été annulé</translation>
    </message>
    <message>
        <source>at zoom %1 the clip&apos;s frames would need more memory than a skin may take</source>
        <translation>au zoom %1, les images du clip demanderaient plus de mémoire qu&apos;un habillage ne peut en prendre</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the zoom is 1 to 4</source>
        <translation>le zoom va de 1 à 4</translation>
    </message>
    <message>
        <source>the frame rate is 1 to 60 frames a second</source>
        <translation>la fréquence d&apos;images va de 1 à 60 images par seconde</translation>
    </message>
    <message>
        <source>the clip&apos;s filters</source>
        <translation>les filtres du clip</translation>
    </message>
    <message>
        <source>out of memory for a frame</source>
        <translation>plus de mémoire pour une image</translation>
    </message>
    <message>
        <source>the GIF&apos;s colours</source>
        <translation>les couleurs du GIF</translation>
    </message>
    <message>
        <source>the replay does not prove its game: %1</source>
        <translation>le replay ne prouve pas sa partie : %1</translation>
    </message>
    <message>
        <source>%1 is the replay itself, so no clip is written over it</source>
        <translation>%1 est le replay lui-même, donc aucun clip n&apos;est écrit par-dessus</translation>
    </message>
    <message>
        <source>%1 is there already and is no clip, so it is not written over</source>
        <translation>%1 existe déjà et n&apos;est pas un clip, donc il n&apos;est pas écrasé</translation>
    </message>
    <message>
        <source>%1 is %2, so no clip is written there</source>
        <translation>%1 est %2, donc aucun clip n&apos;y est écrit</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>no palette for the GIF</source>
        <translation>pas de palette pour le GIF</translation>
    </message>
    <message>
        <source>the GIF&apos;s palette</source>
        <translation>la palette du GIF</translation>
    </message>
    <message>
        <source>this FFmpeg has no %1 encoder</source>
        <translation>ce FFmpeg n&apos;a pas d&apos;encodeur %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the %1 encoder</source>
        <translation>il n&apos;y a pas assez de mémoire pour l&apos;encodeur %1</translation>
    </message>
    <message>
        <source>cannot start the %1 encoder</source>
        <translation>impossible de démarrer l&apos;encodeur %1</translation>
    </message>
    <message>
        <source>cannot encode the clip</source>
        <translation>impossible d&apos;encoder le clip</translation>
    </message>
    <message>
        <source>out of memory for sound</source>
        <translation>plus de mémoire pour le son</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>The whole unit, or its LCD alone filling the picture.</source>
        <translation>L&apos;appareil entier, ou son écran LCD seul remplissant l&apos;image.</translation>
    </message>
    <message>
        <source>Whole unit</source>
        <translation>Appareil entier</translation>
    </message>
    <message>
        <source>LCD only</source>
        <translation>Écran LCD seul</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>The unit drawn at one to four times its size, from pictures drawn for that size.</source>
        <translation>L&apos;appareil dessiné d&apos;une à quatre fois sa taille, avec des images faites pour cette taille.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>What shows around the unit&apos;s case: the skin&apos;s backdrop or its colour.</source>
        <translation>Ce qui entoure le boîtier : le fond de l&apos;habillage ou sa couleur.</translation>
    </message>
    <message>
        <source>Backdrop</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Couleur unie</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The unit&apos;s five sound effects.</source>
        <translation>Les cinq effets sonores de l&apos;appareil.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>Les sons suivent les flammes</translation>
    </message>
    <message>
        <source>A flame&apos;s, a miss&apos;s and the water&apos;s sound panned to its lane: left, middle or right.</source>
        <translation>Le son d&apos;une flamme, d&apos;un raté et de l&apos;eau vient de sa colonne : gauche, milieu ou droite.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>The time the watch shows.</source>
        <translation>L&apos;heure que montre la montre.</translation>
    </message>
    <message>
        <source>Local time (as the desktop program)</source>
        <translation>Heure locale (comme le programme de bureau)</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>LCD look</source>
        <translation>Rendu du LCD</translation>
    </message>
    <message>
        <source>Exact: segments switch at once. Real: they darken and clear as liquid crystal does and cast a shadow on the glass&apos;s back.</source>
        <translation>Exact : les segments changent d&apos;un coup. Réel : ils s&apos;assombrissent et s&apos;éclaircissent comme le cristal liquide et font de l&apos;ombre au dos de la vitre.</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Unlit segments</source>
        <translation>Segments inactifs</translation>
    </message>
    <message>
        <source>How strongly segments show while unlit.</source>
        <translation>À quel point les segments se voient quand ils sont inactifs.</translation>
    </message>
    <message>
        <source>As the face shows them</source>
        <translation>Comme sur la façade</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Cachés</translation>
    </message>
    <message>
        <source>Faint</source>
        <translation>À peine visibles</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visibles</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Bien visibles</translation>
    </message>
    <message>
        <source>Audio rate</source>
        <translation>Fréquence audio</translation>
    </message>
    <message>
        <source>Frames of sound a second (the front end may need a restart).</source>
        <translation>Échantillons de son par seconde (le frontal devra peut-être redémarrer).</translation>
    </message>
    <message>
        <source>44.1 kHz</source>
        <translation>44,1 kHz</translation>
    </message>
    <message>
        <source>48 kHz</source>
        <translation>48 kHz</translation>
    </message>
</context>
<context>
    <name>Face</name>
    <message>
        <source>All segments shown</source>
        <translation>Tous les segments affichés</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chronograph</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Game A, ready</source>
        <translation>Jeu A, prêt</translation>
    </message>
    <message>
        <source>Game B, ready</source>
        <translation>Jeu B, prêt</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Jeu A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Jeu B</translation>
    </message>
    <message>
        <source>Game B over</source>
        <translation>Jeu B terminé</translation>
    </message>
    <message>
        <source>Game A over</source>
        <translation>Jeu A terminé</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 miss</source>
        <translation>1 raté</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 ratés</translation>
    </message>
    <message>
        <source>hero in lane %1</source>
        <translation>pompier dans la colonne %1</translation>
    </message>
    <message>
        <source>hero at the house</source>
        <translation>pompier à la maison</translation>
    </message>
    <message>
        <source>water %1</source>
        <translation>eau %1</translation>
    </message>
    <message>
        <source>flame in lane %1 at the hero&apos;s row</source>
        <translation>flamme dans la colonne %1 au rang du pompier</translation>
    </message>
    <message>
        <source>flame in lane %1 %2 away</source>
        <translation>flamme dans la colonne %1 à %2 rangs</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message>
        <source>Game B started</source>
        <translation>Jeu B commencé</translation>
    </message>
    <message>
        <source>Game A started</source>
        <translation>Jeu A commencé</translation>
    </message>
    <message>
        <source>Miss %1 of 3</source>
        <translation>Raté %1 sur 3</translation>
    </message>
    <message>
        <source>Game over, %1 points, the best so far</source>
        <translation>Partie terminée, %1 points, le meilleur score</translation>
    </message>
    <message>
        <source>Game over, %1 points</source>
        <translation>Partie terminée, %1 points</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes; at most %3 are read)</source>
        <translation>« %1 » est trop grand (%2 octets ; au plus %3 sont lus)</translation>
    </message>
    <message>
        <source>a link that leads nowhere</source>
        <translation>un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un lien vers %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>« %1 » n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 prend la place d&apos;un dossier</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1 is %2, so it is not written</source>
        <translation>%1 est %2, donc il n&apos;est pas écrit</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>impossible d&apos;écrire dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>Gamepad</name>
    <message>
        <source>line %1: no &apos;=&apos; in %2</source>
        <translation>ligne %1 : pas de « = » dans %2</translation>
    </message>
    <message>
        <source>line %1: %2 takes yes or no, not %3</source>
        <translation>ligne %1 : %2 prend yes ou no, pas %3</translation>
    </message>
    <message>
        <source>line %1: %2 is no gamepad input</source>
        <translation>ligne %1 : %2 n&apos;est pas une entrée de manette</translation>
    </message>
    <message>
        <source>line %1: %2 is no button of the unit</source>
        <translation>ligne %1 : %2 n&apos;est pas un bouton de l&apos;appareil</translation>
    </message>
    <message>
        <source>%1 is %2, so the default mapping is used</source>
        <translation>%1 est %2, donc l&apos;affectation par défaut est utilisée</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>click or press %1 to start game A</source>
        <translation>cliquez ou appuyez sur %1 pour lancer le jeu A</translation>
    </message>
    <message>
        <source>click or press %1 to start game B</source>
        <translation>cliquez ou appuyez sur %1 pour lancer le jeu B</translation>
    </message>
    <message>
        <source>click or press %1 to switch mode</source>
        <translation>cliquez ou appuyez sur %1 pour changer de mode</translation>
    </message>
    <message>
        <source>click or press %1</source>
        <translation>cliquez ou appuyez sur %1</translation>
    </message>
    <message>
        <source>click to start game A</source>
        <translation>cliquez pour lancer le jeu A</translation>
    </message>
    <message>
        <source>click to start game B</source>
        <translation>cliquez pour lancer le jeu B</translation>
    </message>
    <message>
        <source>click to switch mode</source>
        <translation>cliquez pour changer de mode</translation>
    </message>
    <message>
        <source>click</source>
        <translation>cliquez</translation>
    </message>
    <message>
        <source>button disabled</source>
        <translation>bouton désactivé</translation>
    </message>
</context>
<context>
    <name>KeySettings</name>
    <message>
        <source>Main operations</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Game controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Jeu A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Jeu B</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Shoot (left)</source>
        <translation>Tir (gauche)</translation>
    </message>
    <message>
        <source>Shoot (right)</source>
        <translation>Tir (droite)</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Réglage des touches</translation>
    </message>
    <message>
        <source>- ACCEPT -</source>
        <translation>- VALIDER -</translation>
    </message>
    <message>
        <source>&lt;UP ARROW&gt;</source>
        <translation>&lt;HAUT&gt;</translation>
    </message>
    <message>
        <source>&lt;DOWN ARROW&gt;</source>
        <translation>&lt;BAS&gt;</translation>
    </message>
    <message>
        <source>&lt;LEFT ARROW&gt;</source>
        <translation>&lt;GAUCHE&gt;</translation>
    </message>
    <message>
        <source>&lt;RIGHT ARROW&gt;</source>
        <translation>&lt;DROITE&gt;</translation>
    </message>
    <message>
        <source>&lt;ALT&gt;</source>
        <translation>&lt;ALT&gt;</translation>
    </message>
    <message>
        <source>&lt;CTRL&gt;</source>
        <translation>&lt;CTRL&gt;</translation>
    </message>
    <message>
        <source>&lt;SHIFT&gt;</source>
        <translation>&lt;MAJ&gt;</translation>
    </message>
    <message>
        <source>&lt;SPACEBAR&gt;</source>
        <translation>&lt;ESPACE&gt;</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>There is not enough memory to load the manual&apos;s pages</source>
        <translation>Il n&apos;y a pas assez de mémoire pour charger les pages du manuel</translation>
    </message>
</context>
<context>
    <name>ManualPages</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>IGNIVAR is a pocket game and a watch in one.
A fire imp at the top of the screen throws flames down three lanes towards the house you guard. Move the firefighter under a flame and shoot water to put it out.
When no game is running, the unit shows the time.</source>
        <translation>IGNIVAR est à la fois un jeu de poche et une montre.
En haut de l&apos;écran, un diablotin de feu lance des flammes sur trois colonnes vers la maison que vous gardez. Placez le pompier sous une flamme et arrosez-la pour l&apos;éteindre.
Quand aucune partie n&apos;est en cours, l&apos;appareil affiche l&apos;heure.</translation>
    </message>
    <message>
        <source>Buttons and keys</source>
        <translation>Boutons et touches</translation>
    </message>
    <message>
        <source>GAME A  -  key 1        GAME B  -  key 2
TIME  -  key 3
LEFT / RIGHT  -  left and right arrow keys
SHOOT (left)  -  Ctrl        SHOOT (right)  -  Alt
SET has no use on this unit.
You can also click the pictured buttons with the left mouse button. Keys can be changed under Key settings.</source>
        <translation>GAME A  -  touche 1        GAME B  -  touche 2
TIME  -  touche 3
GAUCHE / DROITE  -  flèches gauche et droite
SHOOT (gauche)  -  Ctrl        SHOOT (droite)  -  Alt
SET ne sert pas sur cet appareil.
Vous pouvez aussi cliquer sur les boutons dessinés avec le bouton gauche de la souris. Les touches se changent dans Réglage des touches.</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>Commencer une partie</translation>
    </message>
    <message>
        <source>Hold GAME A or GAME B: the best score of that game shows.
Let go and the game begins with a fanfare. The three water tanks empty one by one; then the firefighter steps under the left lane and the first flame comes.</source>
        <translation>Maintenez GAME A ou GAME B : le meilleur score de ce jeu s&apos;affiche.
Relâchez et la partie commence par une fanfare. Les trois réservoirs d&apos;eau se vident un à un ; puis le pompier se place sous la colonne de gauche et la première flamme arrive.</translation>
    </message>
    <message>
        <source>Game A and game B</source>
        <translation>Jeu A et jeu B</translation>
    </message>
    <message>
        <source>Both games play by the same rules.
Game B is faster from the start, and between 40 and 490 points it allows three flames at a time where game A allows two.
Above 500 points both games allow up to five flames.</source>
        <translation>Les deux jeux suivent les mêmes règles.
Le jeu B est plus rapide dès le début et, entre 40 et 490 points, il permet trois flammes à la fois là où le jeu A en permet deux.
Au-delà de 500 points, les deux jeux permettent jusqu&apos;à cinq flammes.</translation>
    </message>
    <message>
        <source>Putting out flames</source>
        <translation>Éteindre les flammes</translation>
    </message>
    <message>
        <source>Each press of a SHOOT button sends one jet of water up the firefighter&apos;s lane. It puts out the nearest flame there: 10 points.
Flames stand still while the water rises, and the firefighter may keep moving. Hold no button down: each shot needs a new press.</source>
        <translation>Chaque appui sur un bouton SHOOT envoie un jet d&apos;eau dans la colonne du pompier. Il éteint la flamme la plus proche : 10 points.
Les flammes s&apos;arrêtent pendant que l&apos;eau monte, et le pompier peut continuer à bouger. Ne gardez aucun bouton enfoncé : chaque tir demande un nouvel appui.</translation>
    </message>
    <message>
        <source>Every 1000 points</source>
        <translation>Tous les 1000 points</translation>
    </message>
    <message>
        <source>At every 1000 points the screen clears for a short break: the tanks fill and empty again.
Then play goes on at the slowest speed with one flame at a time, and grows faster again towards the next thousand.</source>
        <translation>Tous les 1000 points, l&apos;écran se vide pour une courte pause : les réservoirs se remplissent puis se vident.
La partie reprend ensuite au plus lent, avec une flamme à la fois, et s&apos;accélère de nouveau jusqu&apos;au millier suivant.</translation>
    </message>
    <message>
        <source>Misses and game over</source>
        <translation>Ratés et fin de partie</translation>
    </message>
    <message>
        <source>A flame that stays in the bottom row sets the house on fire: a miss. The row is cleared and a miss mark appears.
The third miss ends the game. A better score than the best so far is kept, even after the program is closed. The last picture stays for 30 seconds.</source>
        <translation>Une flamme qui reste dans la rangée du bas met le feu à la maison : un raté. La rangée est vidée et une marque de raté apparaît.
Le troisième raté termine la partie. Un score meilleur que le record est gardé, même après la fermeture du programme. La dernière image reste 30 secondes.</translation>
    </message>
    <message>
        <source>Playing without sound</source>
        <translation>Jouer sans le son</translation>
    </message>
    <message>
        <source>While you hold GAME A or GAME B, press LEFT: the speaker mark goes out.
That game then plays silently, and it starts sooner.
The next game has its sound again.</source>
        <translation>Pendant que vous maintenez GAME A ou GAME B, appuyez sur GAUCHE : la marque du haut-parleur s&apos;éteint.
Cette partie se joue alors en silence et commence plus tôt.
La partie suivante retrouve le son.</translation>
    </message>
    <message>
        <source>The watch</source>
        <translation>La montre</translation>
    </message>
    <message>
        <source>TIME steps through five faces:
TIME 1 and TIME 2 - the time of day, with AM or PM.
ALARM - the alarm time, 12:00 AM.
DATE - month and day.
CHRONO - the chronograph at 00:00.
When switched on, every mark lights for 30 seconds, then the time shows.</source>
        <translation>TIME passe par cinq affichages :
TIME 1 et TIME 2 - l&apos;heure, avec AM ou PM.
ALARM - l&apos;heure de l&apos;alarme, 12:00 AM.
DATE - le mois et le jour.
CHRONO - le chronomètre à 00:00.
À la mise en marche, toutes les marques s&apos;allument 30 secondes, puis l&apos;heure s&apos;affiche.</translation>
    </message>
    <message>
        <source>The menu</source>
        <translation>Le menu</translation>
    </message>
    <message>
        <source>Click the unit with the right mouse button for the menu: About (F1), Readme (F2), What&apos;s new (F3), this manual (F4), the configuration file, Key settings, Reset Hiscores, full screen (F12), the splash screen at start, and Exit (Esc).
Drag the unit with the left mouse button to move it.</source>
        <translation>Un clic droit sur l&apos;appareil ouvre le menu : À propos (F1), Readme (F2), Nouveautés (F3), ce manuel (F4), le fichier de configuration, Réglage des touches, Effacer les meilleurs scores, plein écran (F12), la fenêtre d&apos;accueil et Quitter (Échap).
Faites glisser l&apos;appareil avec le bouton gauche pour le déplacer.</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Réglage des touches</translation>
    </message>
    <message>
        <source>Key settings lets you choose a key for each of the seven buttons from the digits, letters, arrow keys, Alt, Ctrl, Shift and the space bar.
Two buttons cannot share a key. The choice is kept for the next time.

Have fun, and keep the house safe!</source>
        <translation>Réglage des touches permet de choisir une touche pour chacun des sept boutons parmi les chiffres, les lettres, les flèches, Alt, Ctrl, Maj et la barre d&apos;espace.
Deux boutons ne peuvent pas partager une touche. Le choix est gardé pour la prochaine fois.

Amusez-vous bien, et protégez la maison !</translation>
    </message>
    <message>
        <source>Fire · Water · Watch  -  Instructions</source>
        <translation>Feu · Eau · Montre  -  Mode d&apos;emploi</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>View &apos;Readme.txt&apos;</source>
        <translation>Afficher &apos;Readme.txt&apos;</translation>
    </message>
    <message>
        <source>View &apos;Whatsnew.txt&apos;</source>
        <translation>Afficher &apos;Whatsnew.txt&apos;</translation>
    </message>
    <message>
        <source>View manual</source>
        <translation>Afficher le manuel</translation>
    </message>
    <message>
        <source>Edit configuration file</source>
        <translation>Modifier le fichier de configuration</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Réglage des touches</translation>
    </message>
    <message>
        <source>Reset Hiscores</source>
        <translation>Effacer les meilleurs scores</translation>
    </message>
    <message>
        <source>Display in fullscreen mode</source>
        <translation>Afficher en plein écran</translation>
    </message>
    <message>
        <source>Display splash screen at startup</source>
        <translation>Afficher la fenêtre d&apos;accueil au démarrage</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause when the window loses the keyboard</source>
        <translation>Pause quand la fenêtre perd le clavier</translation>
    </message>
    <message>
        <source>Quick save</source>
        <translation>Sauvegarde rapide</translation>
    </message>
    <message>
        <source>Quick load</source>
        <translation>Chargement rapide</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Rembobiner</translation>
    </message>
    <message>
        <source>Resume where I left off</source>
        <translation>Reprendre là où je me suis arrêté</translation>
    </message>
    <message>
        <source>Replays and high scores...</source>
        <translation>Replays et meilleurs scores...</translation>
    </message>
    <message>
        <source>Save a screenshot</source>
        <translation>Enregistrer une capture d&apos;écran</translation>
    </message>
    <message>
        <source>Stop the replay</source>
        <translation>Arrêter le replay</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Volume 100 %</source>
        <translation>Volume 100 %</translation>
    </message>
    <message>
        <source>Volume 75 %</source>
        <translation>Volume 75 %</translation>
    </message>
    <message>
        <source>Volume 50 %</source>
        <translation>Volume 50 %</translation>
    </message>
    <message>
        <source>Volume 25 %</source>
        <translation>Volume 25 %</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>Les sons suivent les flammes</translation>
    </message>
    <message>
        <source>Fit the screen</source>
        <translation>Adapter à l&apos;écran</translation>
    </message>
    <message>
        <source>1x</source>
        <translation>1x</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2x</translation>
    </message>
    <message>
        <source>3x</source>
        <translation>3x</translation>
    </message>
    <message>
        <source>4x</source>
        <translation>4x</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Unlit segments as the face shows them</source>
        <translation>Segments inactifs comme sur la façade</translation>
    </message>
    <message>
        <source>Unlit segments hidden</source>
        <translation>Segments inactifs cachés</translation>
    </message>
    <message>
        <source>Unlit segments faint</source>
        <translation>Segments inactifs à peine visibles</translation>
    </message>
    <message>
        <source>Unlit segments visible</source>
        <translation>Segments inactifs visibles</translation>
    </message>
    <message>
        <source>Unlit segments clear</source>
        <translation>Segments inactifs bien visibles</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Open the menu (or Shift+F10)</source>
        <translation>Ouvrir le menu (ou Maj+F10)</translation>
    </message>
    <message>
        <source>Read the face aloud (screen reader)</source>
        <translation>Lire l&apos;affichage à voix haute (lecteur d&apos;écran)</translation>
    </message>
    <message>
        <source>Replay faster</source>
        <translation>Replay plus rapide</translation>
    </message>
    <message>
        <source>Replay slower</source>
        <translation>Replay plus lent</translation>
    </message>
    <message>
        <source>Replay: step to the next change</source>
        <translation>Replay : jusqu&apos;au prochain changement</translation>
    </message>
    <message>
        <source>%1: hold %2</source>
        <translation>%1 : maintenir %2</translation>
    </message>
    <message>
        <source>%1 is the program&apos;s own key: %2</source>
        <translation>%1 est une touche du programme : %2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The game kept from the last run cannot be resumed:
%1
The file is left as it is.</source>
        <translation>La partie gardée de la dernière fois ne peut pas reprendre :
%1
Le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>A setting could not be stored, so it will be lost when the program ends:
%1</source>
        <translation>Un réglage n&apos;a pas pu être enregistré ; il sera perdu à la fin du programme :
%1</translation>
    </message>
    <message>
        <source>The screenshot could not be saved:
%1</source>
        <translation>La capture d&apos;écran n&apos;a pas pu être enregistrée :
%1</translation>
    </message>
    <message>
        <source>%1
The shipped skin is used instead.</source>
        <translation>%1
L&apos;habillage fourni est utilisé à la place.</translation>
    </message>
    <message>
        <source>No program on this desktop could open the file
%1</source>
        <translation>Aucun programme de ce bureau n&apos;a pu ouvrir le fichier
%1</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1</source>
        <translation>Le fichier de réglages n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Parts of the gamepad mapping could not be understood and are left out:

%1</source>
        <translation>Des parties de l&apos;affectation de la manette sont incomprises et laissées de côté :

%1</translation>
    </message>
    <message>
        <source>The replay cannot be played:
%1</source>
        <translation>Le replay ne peut pas être lu :
%1</translation>
    </message>
    <message>
        <source>The clip could not be exported:
%1</source>
        <translation>Le clip n&apos;a pas pu être exporté :
%1</translation>
    </message>
    <message>
        <source>The clip is saved as
%1</source>
        <translation>Le clip est enregistré sous
%1</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>l&apos;image n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>BMP image data is truncated</source>
        <translation>Les données d&apos;image du BMP sont tronquées</translation>
    </message>
    <message>
        <source>Not a BMP file</source>
        <translation>Ce n&apos;est pas un fichier BMP</translation>
    </message>
    <message>
        <source>BMP header is truncated or invalid</source>
        <translation>L&apos;en-tête du BMP est tronqué ou invalide</translation>
    </message>
    <message>
        <source>BMP picture has no pixels</source>
        <translation>L&apos;image BMP n&apos;a aucun pixel</translation>
    </message>
    <message>
        <source>Unsupported BMP compression (%1)</source>
        <translation>Compression BMP non prise en charge (%1)</translation>
    </message>
    <message>
        <source>BMP compression does not match its bits per pixel</source>
        <translation>La compression du BMP ne correspond pas à ses bits par pixel</translation>
    </message>
    <message>
        <source>A compressed BMP cannot be top-down</source>
        <translation>Un BMP compressé ne peut pas être stocké de haut en bas</translation>
    </message>
    <message>
        <source>Unsupported BMP bits per pixel (%1)</source>
        <translation>Nombre de bits par pixel du BMP non pris en charge (%1)</translation>
    </message>
    <message>
        <source>BMP colour masks are missing</source>
        <translation>Les masques de couleur du BMP manquent</translation>
    </message>
    <message>
        <source>BMP palette is truncated</source>
        <translation>La palette du BMP est tronquée</translation>
    </message>
    <message>
        <source>BMP header promises more data than the file holds</source>
        <translation>L&apos;en-tête du BMP promet plus de données que le fichier n&apos;en contient</translation>
    </message>
    <message>
        <source>BMP image data is missing</source>
        <translation>Les données d&apos;image du BMP manquent</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extension de fichier d&apos;image inconnue (.%1)</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels; at most %4 a side)</source>
        <translation>L&apos;image %1 est trop grande (%2 x %3 pixels ; au plus %4 par côté)</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1 : impossible d&apos;écrire</translation>
    </message>
    <message>
        <source>it would need more memory than is left for pictures</source>
        <translation>il faudrait plus de mémoire qu&apos;il n&apos;en reste pour les images</translation>
    </message>
    <message>
        <source>%1: the pictures would need more than %2 MiB of memory, so loading stops here</source>
        <translation>%1 : les images demanderaient plus de %2 Mio de mémoire, le chargement s&apos;arrête donc ici</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to load this picture</source>
        <translation>%1 : il n&apos;y a pas assez de mémoire pour charger cette image</translation>
    </message>
    <message>
        <source>PNG chunk &quot;%1&quot; runs past the end of the file</source>
        <translation>Le bloc PNG « %1 » dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>PNG header promises more data than the file holds</source>
        <translation>L&apos;en-tête du PNG promet plus de données que le fichier n&apos;en contient</translation>
    </message>
    <message>
        <source>JPEG header promises more pixels than the file holds</source>
        <translation>L&apos;en-tête du JPEG promet plus de pixels que le fichier n&apos;en contient</translation>
    </message>
    <message>
        <source>%1: cannot be written as PNG</source>
        <translation>%1 : impossible d&apos;écrire en PNG</translation>
    </message>
    <message>
        <source>%1 file is too large</source>
        <translation>Le fichier %1 est trop grand</translation>
    </message>
    <message>
        <source>PNG chunk runs past the end of the file</source>
        <translation>Un bloc PNG dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>%1: this build writes no pictures</source>
        <translation>%1 : cette version du programme n&apos;écrit pas d&apos;images</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>it does not start at the beginning of a game %1</source>
        <translation>il ne commence pas au début d&apos;un jeu %1</translation>
    </message>
    <message>
        <source>its start is no moment of a unit: %1</source>
        <translation>son début n&apos;est pas un moment d&apos;un appareil : %1</translation>
    </message>
    <message>
        <source>it does not start in a game %1</source>
        <translation>il ne commence pas dans un jeu %1</translation>
    </message>
    <message>
        <source>it does not begin by letting go of the game button</source>
        <translation>il ne commence pas par le relâchement du bouton du jeu</translation>
    </message>
    <message>
        <source>its start is not in base64</source>
        <translation>son début n&apos;est pas en base64</translation>
    </message>
    <message>
        <source>a step is not a press or release in time order</source>
        <translation>un pas n&apos;est pas un appui ou un relâchement dans l&apos;ordre du temps</translation>
    </message>
    <message>
        <source>a slip is not in time order</source>
        <translation>un saut n&apos;est pas dans l&apos;ordre du temps</translation>
    </message>
    <message>
        <source>its end is no score and length of a game</source>
        <translation>sa fin n&apos;est pas un score et une durée de partie</translation>
    </message>
    <message>
        <source>it has a line that no replay has (&quot;%1&quot;)</source>
        <translation>il a une ligne qu&apos;aucun replay n&apos;a (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it is far larger than any replay</source>
        <translation>il est bien plus grand qu&apos;un replay</translation>
    </message>
    <message>
        <source>it is not a replay of Ignivar</source>
        <translation>ce n&apos;est pas un replay d&apos;Ignivar</translation>
    </message>
    <message>
        <source>it is a replay of another version (this program reads version %1)</source>
        <translation>c&apos;est un replay d&apos;une autre version (ce programme lit la version %1)</translation>
    </message>
    <message>
        <source>it is cut short (no checksum)</source>
        <translation>il est tronqué (pas de somme de contrôle)</translation>
    </message>
    <message>
        <source>its checksum line is damaged</source>
        <translation>sa ligne de somme de contrôle est endommagée</translation>
    </message>
    <message>
        <source>it is damaged or was changed (its checksum does not match)</source>
        <translation>il est endommagé ou a été modifié (sa somme de contrôle ne correspond pas)</translation>
    </message>
    <message>
        <source>it has an empty line</source>
        <translation>il a une ligne vide</translation>
    </message>
    <message>
        <source>it has no start</source>
        <translation>il n&apos;a pas de début</translation>
    </message>
    <message>
        <source>the recorded game did not end</source>
        <translation>la partie enregistrée ne s&apos;est pas terminée</translation>
    </message>
    <message>
        <source>the replay&apos;s game does not end</source>
        <translation>la partie du replay ne se termine pas</translation>
    </message>
    <message>
        <source>the replay ends with %1 points, not the %2 it records</source>
        <translation>le replay se termine avec %1 points, et non les %2 qu&apos;il indique</translation>
    </message>
    <message>
        <source>the replay&apos;s game lasts %1 ms, not the %2 it records</source>
        <translation>la partie du replay dure %1 ms, et non les %2 qu&apos;il indique</translation>
    </message>
    <message>
        <source>%1 is no replay: it is %2</source>
        <translation>%1 n&apos;est pas un replay : c&apos;est %2</translation>
    </message>
    <message>
        <source>%1 is no replay: %2</source>
        <translation>%1 n&apos;est pas un replay : %2</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1</source>
        <translation>Le replay n&apos;a pas pu être gardé : %1</translation>
    </message>
</context>
<context>
    <name>Replays</name>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>not a replay: %1</source>
        <translation>pas un replay : %1</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>inachevée</translation>
    </message>
    <message>
        <source>not proved: %1</source>
        <translation>non prouvé : %1</translation>
    </message>
    <message>
        <source>continued from a saved game: it proves no score</source>
        <translation>reprise d&apos;une partie sauvegardée : ne prouve aucun score</translation>
    </message>
    <message>
        <source>proved by its replay (rewound while played)</source>
        <translation>prouvé par son replay (rembobiné en jouant)</translation>
    </message>
    <message>
        <source>proved by its replay</source>
        <translation>prouvé par son replay</translation>
    </message>
    <message>
        <source>MP4 (H.264, with sound)</source>
        <translation>MP4 (H.264, avec le son)</translation>
    </message>
    <message>
        <source>WebM (VP9, with sound)</source>
        <translation>WebM (VP9, avec le son)</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Animated WebP</source>
        <translation>WebP animé</translation>
    </message>
    <message>
        <source>Export a clip</source>
        <translation>Exporter un clip</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>%1 images par seconde</translation>
    </message>
    <message>
        <source>The whole unit</source>
        <translation>L&apos;appareil entier</translation>
    </message>
    <message>
        <source>The LCD alone</source>
        <translation>L&apos;écran LCD seul</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Real: segments fade and cast shadows</source>
        <translation>Réel : les segments s&apos;estompent et font de l&apos;ombre</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Cadence :</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Montrer :</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Rendu :</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Replays and high scores</source>
        <translation>Replays et meilleurs scores</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Jeu A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Jeu B</translation>
    </message>
    <message>
        <source>Recent games</source>
        <translation>Parties récentes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouée le</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>Export a clip...</source>
        <translation>Exporter un clip...</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No games yet: every game played is kept here as a replay when it ends, in
%1</source>
        <translation>Aucune partie encore : chaque partie jouée est gardée ici comme replay à sa fin, dans
%1</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gardés dans %1</translation>
    </message>
    <message>
        <source>%1 clips (*.%2)</source>
        <translation>Clips %1 (*.%2)</translation>
    </message>
    <message>
        <source>Exporting the clip...</source>
        <translation>Export du clip...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>it is not a saved game of Ignivar</source>
        <translation>ce n&apos;est pas une partie sauvegardée d&apos;Ignivar</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>it was saved in another format (version %1; this program reads %2)</source>
        <translation>le fichier est d&apos;un autre format (version %1 ; ce programme lit la %2)</translation>
    </message>
    <message>
        <source>its length is not that of a saved game</source>
        <translation>sa longueur n&apos;est pas celle d&apos;une partie sauvegardée</translation>
    </message>
    <message>
        <source>it has more in it than a saved game</source>
        <translation>le fichier contient plus qu&apos;une partie sauvegardée</translation>
    </message>
    <message>
        <source>it is damaged (its checksum does not match)</source>
        <translation>le fichier est endommagé (sa somme de contrôle ne correspond pas)</translation>
    </message>
    <message>
        <source>it holds a moment no unit can be in</source>
        <translation>le fichier contient un moment où aucun appareil ne peut être</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>La partie n&apos;a pas pu être sauvegardée : %1</translation>
    </message>
    <message>
        <source>%1 is no saved game: it is %2</source>
        <translation>%1 n&apos;est pas une partie sauvegardée : c&apos;est %2</translation>
    </message>
    <message>
        <source>%1 is no saved game: %2</source>
        <translation>%1 n&apos;est pas une partie sauvegardée : %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the file or its folder cannot be written</source>
        <translation>le fichier ou son dossier ne peut pas être écrit</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>le fichier n&apos;est pas un fichier de réglages valide</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1 is %2, so settings cannot be written; they are kept for this run only</source>
        <translation>%1 est %2, donc les réglages ne peuvent pas être écrits ; ils ne valent que pour cette session</translation>
    </message>
    <message>
        <source>The settings folder&apos;s name is not valid UTF-8 (%1), so settings cannot be kept and will be lost when the program ends</source>
        <translation>Le nom du dossier des réglages n&apos;est pas en UTF-8 valide (%1), donc les réglages ne peuvent pas être conservés et seront perdus à la fermeture du programme</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2), so settings cannot be kept and will be lost when the program ends</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (%2), donc les réglages ne peuvent pas être conservés et seront perdus à la fermeture du programme</translation>
    </message>
    <message>
        <source>a folder, device or pipe</source>
        <translation>un dossier, un périphérique ou un tube</translation>
    </message>
    <message>
        <source>%1: %2; what cannot be read takes its default, and a copy of the file is kept as %3 before it is written</source>
        <translation>%1 : %2 ; ce qui ne peut pas être lu prend sa valeur par défaut, et une copie du fichier est gardée sous %3 avant qu&apos;il soit écrit</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is far too large to be a settings file and cannot be moved aside</source>
        <translation>%1 est bien trop grand pour être un fichier de réglages et ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>%1 was far too large to be a settings file; it is kept as %2 and the settings start from their defaults</source>
        <translation>%1 était bien trop grand pour être un fichier de réglages ; il est gardé sous %2 et les réglages repartent de leurs valeurs par défaut</translation>
    </message>
    <message>
        <source>cannot save a copy of the unreadable %1 before writing it</source>
        <translation>impossible de garder une copie du fichier illisible %1 avant de l&apos;écrire</translation>
    </message>
    <message>
        <source>%1 is locked by another program (process %2), so settings cannot be written; they are kept for this run only</source>
        <translation>%1 est verrouillé par un autre programme (processus %2), donc les réglages ne peuvent pas être écrits ; ils ne valent que pour cette session</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>There is not enough memory to load the skin of %1</source>
        <translation>Il n&apos;y a pas assez de mémoire pour charger l&apos;habillage de %1</translation>
    </message>
    <message>
        <source>%1: a unit of %2 x %3 pixels would need more than %4 MiB of memory for its window, so the skin is not loaded</source>
        <translation>%1 : un appareil de %2 x %3 pixels demanderait plus de %4 Mio de mémoire pour sa fenêtre ; l&apos;habillage n&apos;est donc pas chargé</translation>
    </message>
    <message>
        <source>Your own skin file cannot be used: %1</source>
        <translation>Votre propre fichier d&apos;habillage ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <source>Configuration file (Config.ini) not found. Please reinstall the game.</source>
        <translation>Fichier de configuration (Config.ini) introuvable. Veuillez réinstaller le jeu.</translation>
    </message>
    <message>
        <source>Cannot make your own copy of Config.ini as %1: %2</source>
        <translation>Impossible de créer votre propre copie de Config.ini sous %1 : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s glass %2 is missing, so unlit segments are drawn over the face as it is</source>
        <translation>%1 : le verre de l&apos;écran LCD, %2, manque, donc les segments éteints sont dessinés sur la façade telle quelle</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s high-contrast face %2 is missing, so the high-contrast look shows the face as it is</source>
        <translation>%1 : la façade à fort contraste de l&apos;écran LCD, %2, manque, donc l&apos;aspect à fort contraste montre la façade telle quelle</translation>
    </message>
    <message>
        <source>%1: [LCD] %2=%3 is not a whole number from %4 to %5, so %6 is used</source>
        <translation>%1 : [LCD] %2=%3 n&apos;est pas un nombre entier de %4 à %5, donc %6 est utilisé</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Sound folder unproperly installed. Please reinstall the game.</source>
        <translation>Le dossier Sound est mal installé. Veuillez réinstaller le jeu.</translation>
    </message>
    <message>
        <source>no sound output is named &quot;%1&quot;</source>
        <translation>aucune sortie son ne s&apos;appelle « %1 »</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>its format chunk is cut short</source>
        <translation>son bloc de format est tronqué</translation>
    </message>
    <message>
        <source>its encoding is not PCM or float (format %1, %2 bits)</source>
        <translation>son encodage n&apos;est ni PCM ni flottant (format %1, %2 bits)</translation>
    </message>
    <message>
        <source>it has %1 channels (1 or 2 can be played)</source>
        <translation>il a %1 canaux (1 ou 2 peuvent être joués)</translation>
    </message>
    <message>
        <source>its rate is %1 Hz (%2 to %3 Hz can be played)</source>
        <translation>sa fréquence est de %1 Hz (de %2 à %3 Hz peuvent être joués)</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>ce n&apos;est pas un fichier WAV</translation>
    </message>
    <message>
        <source>its format chunk runs past the end of the file</source>
        <translation>son bloc de format dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>its samples come before their format</source>
        <translation>ses échantillons viennent avant leur format</translation>
    </message>
    <message>
        <source>it is far too long for a sound effect (%1 s)</source>
        <translation>il est bien trop long pour un effet sonore (%1 s)</translation>
    </message>
    <message>
        <source>it has no samples</source>
        <translation>il n&apos;a aucun échantillon</translation>
    </message>
    <message>
        <source>it has no format chunk</source>
        <translation>il n&apos;a pas de bloc de format</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>website:</source>
        <translation>site web :</translation>
    </message>
    <message>
        <source>email:</source>
        <translation>e-mail :</translation>
    </message>
    <message>
        <source>Select sound driver:</source>
        <translation>Sortie audio :</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>À propos de ce jeu...</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>Sortie audio</translation>
    </message>
    <message>
        <source>Display this splash screen at startup</source>
        <translation>Afficher cette fenêtre au démarrage</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Opens the donation page in the browser</source>
        <translation>Ouvre la page de dons dans le navigateur</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Switches the unit on</source>
        <translation>Allume l&apos;appareil</translation>
    </message>
    <message>
        <source>please select sound driver first</source>
        <translation>choisissez d&apos;abord une sortie audio</translation>
    </message>
    <message>
        <source>Unavailable until a sound output is chosen</source>
        <translation>Indisponible tant qu&apos;aucune sortie audio n&apos;est choisie</translation>
    </message>
    <message>
        <source>Choose a sound output above, then Play</source>
        <translation>Choisissez une sortie audio ci-dessus, puis Jouer</translation>
    </message>
    <message>
        <source>Plays through the desktop&apos;s sound server (PipeWire or PulseAudio)</source>
        <translation>Joue par le serveur de son du bureau (PipeWire ou PulseAudio)</translation>
    </message>
    <message>
        <source>Plays through ALSA, straight to the sound card</source>
        <translation>Joue par ALSA, directement sur la carte son</translation>
    </message>
    <message>
        <source>The unit plays silent</source>
        <translation>L&apos;appareil joue en silence</translation>
    </message>
    <message>
        <source>Made by %1, released on %2</source>
        <translation>Par %1, paru le %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>(no sound)</source>
        <translation>(sans son)</translation>
    </message>
</context>
<context>
    <name>SplashPictures</name>
    <message>
        <source>Fire · Water · Watch
Pocket LCD game</source>
        <translation>Feu · Eau · Montre
Jeu LCD de poche</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donner</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Language: %1</source>
        <translation>Langue : %1</translation>
    </message>
    <message>
        <source>No game to pause: a watch shows the time</source>
        <translation>Pas de partie à mettre en pause : la montre affiche l&apos;heure</translation>
    </message>
    <message>
        <source>No game to save</source>
        <translation>Pas de partie à sauvegarder</translation>
    </message>
    <message>
        <source>Game %1 saved</source>
        <translation>Jeu %1 sauvegardé</translation>
    </message>
    <message>
        <source>No game saved yet</source>
        <translation>Aucune partie sauvegardée</translation>
    </message>
    <message>
        <source>Game %1 loaded</source>
        <translation>Jeu %1 chargé</translation>
    </message>
    <message>
        <source>Rewound as far as it goes</source>
        <translation>Rembobiné aussi loin que possible</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>PAUSED · %1 plays on</source>
        <translation>PAUSE · %1 pour reprendre</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>MUTED · %1 sounds again</source>
        <translation>MUET · %1 remet le son</translation>
    </message>
    <message>
        <source>SOUND ON</source>
        <translation>SON ACTIVÉ</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Pas de son : %1</translation>
    </message>
    <message>
        <source>no device to play on</source>
        <translation>aucun périphérique pour le jouer</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>REPLAY %1 · game %2 · %3 points</source>
        <translation>REPLAY %1 · jeu %2 · %3 points</translation>
    </message>
</context>
</TS>
