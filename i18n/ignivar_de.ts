<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Birthplace:</source>
        <translation>Geburtsort:</translation>
    </message>
    <message>
        <source>a Debian build machine</source>
        <translation>ein Debian-Bauserver</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Geboren:</translation>
    </message>
    <message>
        <source>8 December 2026</source>
        <translation>8. Dezember 2026</translation>
    </message>
    <message>
        <source>Occupation:</source>
        <translation>Beruf:</translation>
    </message>
    <message>
        <source>simulator makers</source>
        <translation>Simulatorbauer</translation>
    </message>
    <message>
        <source>Hobby:</source>
        <translation>Hobby:</translation>
    </message>
    <message>
        <source>putting out LCD fires</source>
        <translation>LCD-Feuer löschen</translation>
    </message>
    <message>
        <source>About the author...</source>
        <translation>Über die Autoren...</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>the clip exporter %1 could not be loaded: %2</source>
        <translation>der Clip-Exporter %1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>er wurde abgebrochen</translation>
    </message>
    <message>
        <source>at zoom %1 the clip&apos;s frames would need more memory than a skin may take</source>
        <translation>bei Zoom %1 bräuchten die Bilder des Clips mehr Speicher, als eine Oberfläche nehmen darf</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the zoom is 1 to 4</source>
        <translation>der Zoom ist 1 bis 4</translation>
    </message>
    <message>
        <source>the frame rate is 1 to 60 frames a second</source>
        <translation>die Bildrate ist 1 bis 60 Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>the clip&apos;s filters</source>
        <translation>die Filter des Clips</translation>
    </message>
    <message>
        <source>out of memory for a frame</source>
        <translation>kein Speicher mehr für ein Bild</translation>
    </message>
    <message>
        <source>the GIF&apos;s colours</source>
        <translation>die Farben des GIF</translation>
    </message>
    <message>
        <source>the replay does not prove its game: %1</source>
        <translation>die Wiederholung belegt ihr Spiel nicht: %1</translation>
    </message>
    <message>
        <source>%1 is the replay itself, so no clip is written over it</source>
        <translation>%1 ist die Wiederholung selbst, daher wird kein Clip darüber geschrieben</translation>
    </message>
    <message>
        <source>%1 is there already and is no clip, so it is not written over</source>
        <translation>%1 gibt es schon und ist kein Clip, daher wird es nicht überschrieben</translation>
    </message>
    <message>
        <source>%1 is %2, so no clip is written there</source>
        <translation>%1 ist %2, daher wird dort kein Clip geschrieben</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no palette for the GIF</source>
        <translation>keine Palette für das GIF</translation>
    </message>
    <message>
        <source>the GIF&apos;s palette</source>
        <translation>die Palette des GIF</translation>
    </message>
    <message>
        <source>this FFmpeg has no %1 encoder</source>
        <translation>dieses FFmpeg hat keinen %1-Encoder</translation>
    </message>
    <message>
        <source>there is not enough memory for the %1 encoder</source>
        <translation>für den %1-Encoder ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>cannot start the %1 encoder</source>
        <translation>der %1-Encoder kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>cannot encode the clip</source>
        <translation>der Clip kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>out of memory for sound</source>
        <translation>kein Speicher mehr für den Ton</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>The whole unit, or its LCD alone filling the picture.</source>
        <translation>Das ganze Gerät, oder nur sein LCD bildfüllend.</translation>
    </message>
    <message>
        <source>Whole unit</source>
        <translation>Ganzes Gerät</translation>
    </message>
    <message>
        <source>LCD only</source>
        <translation>Nur das LCD</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>The unit drawn at one to four times its size, from pictures drawn for that size.</source>
        <translation>Das Gerät in ein- bis vierfacher Größe, aus Bildern, die für diese Größe gezeichnet sind.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>What shows around the unit&apos;s case: the skin&apos;s backdrop or its colour.</source>
        <translation>Was um das Gehäuse zu sehen ist: der Hintergrund der Oberfläche oder ihre Farbe.</translation>
    </message>
    <message>
        <source>Backdrop</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>The unit&apos;s five sound effects.</source>
        <translation>Die fünf Klänge des Geräts.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>Klänge folgen den Flammen</translation>
    </message>
    <message>
        <source>A flame&apos;s, a miss&apos;s and the water&apos;s sound panned to its lane: left, middle or right.</source>
        <translation>Der Klang einer Flamme, eines Fehlers und des Wassers kommt aus seiner Bahn: links, Mitte oder rechts.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>The time the watch shows.</source>
        <translation>Die Zeit, die die Uhr zeigt.</translation>
    </message>
    <message>
        <source>Local time (as the desktop program)</source>
        <translation>Ortszeit (wie das Desktop-Programm)</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>LCD look</source>
        <translation>LCD-Aussehen</translation>
    </message>
    <message>
        <source>Exact: segments switch at once. Real: they darken and clear as liquid crystal does and cast a shadow on the glass&apos;s back.</source>
        <translation>Exakt: Segmente schalten sofort. Echt: Sie dunkeln und verblassen wie Flüssigkristall und werfen einen Schatten auf die Rückseite des Glases.</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Echt</translation>
    </message>
    <message>
        <source>Unlit segments</source>
        <translation>Inaktive Segmente</translation>
    </message>
    <message>
        <source>How strongly segments show while unlit.</source>
        <translation>Wie deutlich Segmente zu sehen sind, solange sie inaktiv sind.</translation>
    </message>
    <message>
        <source>As the face shows them</source>
        <translation>Wie auf der Vorderseite</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Unsichtbar</translation>
    </message>
    <message>
        <source>Faint</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Deutlich</translation>
    </message>
    <message>
        <source>Audio rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Frames of sound a second (the front end may need a restart).</source>
        <translation>Tonabtastungen pro Sekunde (das Frontend muss vielleicht neu starten).</translation>
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
        <translation>Alle Segmente sichtbar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chronograph</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Game A, ready</source>
        <translation>Spiel A, bereit</translation>
    </message>
    <message>
        <source>Game B, ready</source>
        <translation>Spiel B, bereit</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Spiel A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Spiel B</translation>
    </message>
    <message>
        <source>Game B over</source>
        <translation>Spiel B vorbei</translation>
    </message>
    <message>
        <source>Game A over</source>
        <translation>Spiel A vorbei</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 miss</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>hero in lane %1</source>
        <translation>Feuerwehrmann in Bahn %1</translation>
    </message>
    <message>
        <source>hero at the house</source>
        <translation>Feuerwehrmann am Haus</translation>
    </message>
    <message>
        <source>water %1</source>
        <translation>Wasser %1</translation>
    </message>
    <message>
        <source>flame in lane %1 at the hero&apos;s row</source>
        <translation>Flamme in Bahn %1 in der Reihe des Feuerwehrmanns</translation>
    </message>
    <message>
        <source>flame in lane %1 %2 away</source>
        <translation>Flamme in Bahn %1, %2 entfernt</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Game B started</source>
        <translation>Spiel B gestartet</translation>
    </message>
    <message>
        <source>Game A started</source>
        <translation>Spiel A gestartet</translation>
    </message>
    <message>
        <source>Miss %1 of 3</source>
        <translation>Fehler %1 von 3</translation>
    </message>
    <message>
        <source>Game over, %1 points, the best so far</source>
        <translation>Spielende, %1 Punkte, der beste Stand bisher</translation>
    </message>
    <message>
        <source>Game over, %1 points</source>
        <translation>Spielende, %1 Punkte</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes; at most %3 are read)</source>
        <translation>„%1“ ist zu groß (%2 Bytes; höchstens %3 werden gelesen)</translation>
    </message>
    <message>
        <source>a link that leads nowhere</source>
        <translation>ein Verweis, der ins Leere führt</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>ein Verweis (Ziel: %1)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 steht einem Ordner im Weg</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is %2, so it is not written</source>
        <translation>%1 ist %2, daher wird es nicht geschrieben</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Gamepad</name>
    <message>
        <source>line %1: no &apos;=&apos; in %2</source>
        <translation>Zeile %1: kein „=“ in %2</translation>
    </message>
    <message>
        <source>line %1: %2 takes yes or no, not %3</source>
        <translation>Zeile %1: %2 nimmt yes oder no, nicht %3</translation>
    </message>
    <message>
        <source>line %1: %2 is no gamepad input</source>
        <translation>Zeile %1: %2 ist kein Eingang eines Gamepads</translation>
    </message>
    <message>
        <source>line %1: %2 is no button of the unit</source>
        <translation>Zeile %1: %2 ist keine Taste des Geräts</translation>
    </message>
    <message>
        <source>%1 is %2, so the default mapping is used</source>
        <translation>%1 ist %2, daher gilt die Standardbelegung</translation>
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
        <translation>klicken oder %1 drücken, um Spiel A zu starten</translation>
    </message>
    <message>
        <source>click or press %1 to start game B</source>
        <translation>klicken oder %1 drücken, um Spiel B zu starten</translation>
    </message>
    <message>
        <source>click or press %1 to switch mode</source>
        <translation>klicken oder %1 drücken, um die Anzeige zu wechseln</translation>
    </message>
    <message>
        <source>click or press %1</source>
        <translation>klicken oder %1 drücken</translation>
    </message>
    <message>
        <source>click to start game A</source>
        <translation>klicken, um Spiel A zu starten</translation>
    </message>
    <message>
        <source>click to start game B</source>
        <translation>klicken, um Spiel B zu starten</translation>
    </message>
    <message>
        <source>click to switch mode</source>
        <translation>klicken, um die Anzeige zu wechseln</translation>
    </message>
    <message>
        <source>click</source>
        <translation>klicken</translation>
    </message>
    <message>
        <source>button disabled</source>
        <translation>Taste ohne Funktion</translation>
    </message>
</context>
<context>
    <name>KeySettings</name>
    <message>
        <source>Main operations</source>
        <translation>Hauptfunktionen</translation>
    </message>
    <message>
        <source>Game controls</source>
        <translation>Spielsteuerung</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Spiel A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Spiel B</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Shoot (left)</source>
        <translation>Wasser (links)</translation>
    </message>
    <message>
        <source>Shoot (right)</source>
        <translation>Wasser (rechts)</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>- ACCEPT -</source>
        <translation>- OK -</translation>
    </message>
    <message>
        <source>&lt;UP ARROW&gt;</source>
        <translation>&lt;PFEIL HOCH&gt;</translation>
    </message>
    <message>
        <source>&lt;DOWN ARROW&gt;</source>
        <translation>&lt;PFEIL RUNTER&gt;</translation>
    </message>
    <message>
        <source>&lt;LEFT ARROW&gt;</source>
        <translation>&lt;PFEIL LINKS&gt;</translation>
    </message>
    <message>
        <source>&lt;RIGHT ARROW&gt;</source>
        <translation>&lt;PFEIL RECHTS&gt;</translation>
    </message>
    <message>
        <source>&lt;ALT&gt;</source>
        <translation>&lt;ALT&gt;</translation>
    </message>
    <message>
        <source>&lt;CTRL&gt;</source>
        <translation>&lt;STRG&gt;</translation>
    </message>
    <message>
        <source>&lt;SHIFT&gt;</source>
        <translation>&lt;UMSCHALT&gt;</translation>
    </message>
    <message>
        <source>&lt;SPACEBAR&gt;</source>
        <translation>&lt;LEERTASTE&gt;</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Manual</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>There is not enough memory to load the manual&apos;s pages</source>
        <translation>Es ist nicht genug Speicher frei, um die Seiten der Anleitung zu laden</translation>
    </message>
</context>
<context>
    <name>ManualPages</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>IGNIVAR is a pocket game and a watch in one.
A fire imp at the top of the screen throws flames down three lanes towards the house you guard. Move the firefighter under a flame and shoot water to put it out.
When no game is running, the unit shows the time.</source>
        <translation>IGNIVAR ist Taschenspiel und Uhr in einem.
Ein Feuerkobold oben im Bild wirft Flammen über drei Bahnen auf das Haus, das du bewachst. Stell den Feuerwehrmann unter eine Flamme und lösche sie mit Wasser.
Wenn kein Spiel läuft, zeigt das Gerät die Uhrzeit.</translation>
    </message>
    <message>
        <source>Buttons and keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>GAME A  -  key 1        GAME B  -  key 2
TIME  -  key 3
LEFT / RIGHT  -  left and right arrow keys
SHOOT (left)  -  Ctrl        SHOOT (right)  -  Alt
SET has no use on this unit.
You can also click the pictured buttons with the left mouse button. Keys can be changed under Key settings.</source>
        <translation>GAME A  -  Taste 1        GAME B  -  Taste 2
TIME  -  Taste 3
LINKS / RECHTS  -  Pfeiltasten links und rechts
SHOOT (links)  -  Strg        SHOOT (rechts)  -  Alt
SET hat bei diesem Gerät keine Funktion.
Du kannst die abgebildeten Tasten auch mit der linken Maustaste anklicken. Die Tasten lassen sich unter Tastenbelegung ändern.</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>Ein Spiel beginnen</translation>
    </message>
    <message>
        <source>Hold GAME A or GAME B: the best score of that game shows.
Let go and the game begins with a fanfare. The three water tanks empty one by one; then the firefighter steps under the left lane and the first flame comes.</source>
        <translation>Halte GAME A oder GAME B gedrückt: Der Highscore dieses Spiels erscheint.
Lass los, und das Spiel beginnt mit einer Fanfare. Die drei Wassertanks leeren sich nacheinander; dann tritt der Feuerwehrmann unter die linke Bahn, und die erste Flamme kommt.</translation>
    </message>
    <message>
        <source>Game A and game B</source>
        <translation>Spiel A und Spiel B</translation>
    </message>
    <message>
        <source>Both games play by the same rules.
Game B is faster from the start, and between 40 and 490 points it allows three flames at a time where game A allows two.
Above 500 points both games allow up to five flames.</source>
        <translation>Beide Spiele haben dieselben Regeln.
Spiel B ist von Anfang an schneller und erlaubt zwischen 40 und 490 Punkten drei Flammen gleichzeitig, wo Spiel A zwei erlaubt.
Ab 500 Punkten erlauben beide Spiele bis zu fünf Flammen.</translation>
    </message>
    <message>
        <source>Putting out flames</source>
        <translation>Flammen löschen</translation>
    </message>
    <message>
        <source>Each press of a SHOOT button sends one jet of water up the firefighter&apos;s lane. It puts out the nearest flame there: 10 points.
Flames stand still while the water rises, and the firefighter may keep moving. Hold no button down: each shot needs a new press.</source>
        <translation>Jeder Druck auf eine SHOOT-Taste schickt einen Wasserstrahl die Bahn des Feuerwehrmanns hinauf. Er löscht die nächste Flamme dort: 10 Punkte.
Solange das Wasser steigt, stehen die Flammen still, und der Feuerwehrmann darf sich weiter bewegen. Halte keine Taste fest: Jeder Schuss braucht einen neuen Druck.</translation>
    </message>
    <message>
        <source>Every 1000 points</source>
        <translation>Alle 1000 Punkte</translation>
    </message>
    <message>
        <source>At every 1000 points the screen clears for a short break: the tanks fill and empty again.
Then play goes on at the slowest speed with one flame at a time, and grows faster again towards the next thousand.</source>
        <translation>Alle 1000 Punkte leert sich das Bild für eine kurze Pause: Die Tanks füllen und leeren sich wieder.
Dann geht das Spiel im langsamsten Tempo mit einer Flamme zugleich weiter und wird bis zum nächsten Tausender wieder schneller.</translation>
    </message>
    <message>
        <source>Misses and game over</source>
        <translation>Fehler und Spielende</translation>
    </message>
    <message>
        <source>A flame that stays in the bottom row sets the house on fire: a miss. The row is cleared and a miss mark appears.
The third miss ends the game. A better score than the best so far is kept, even after the program is closed. The last picture stays for 30 seconds.</source>
        <translation>Eine Flamme, die in der untersten Reihe bleibt, setzt das Haus in Brand: ein Fehler. Die Reihe wird geleert, und ein Fehlerzeichen erscheint.
Der dritte Fehler beendet das Spiel. Ein besserer Punktestand als der bisher beste bleibt erhalten, auch nach dem Beenden des Programms. Das letzte Bild bleibt 30 Sekunden stehen.</translation>
    </message>
    <message>
        <source>Playing without sound</source>
        <translation>Ohne Ton spielen</translation>
    </message>
    <message>
        <source>While you hold GAME A or GAME B, press LEFT: the speaker mark goes out.
That game then plays silently, and it starts sooner.
The next game has its sound again.</source>
        <translation>Drücke LINKS, während du GAME A oder GAME B hältst: Das Lautsprecherzeichen erlischt.
Dieses Spiel läuft dann lautlos und beginnt schneller.
Das nächste Spiel hat wieder Ton.</translation>
    </message>
    <message>
        <source>The watch</source>
        <translation>Die Uhr</translation>
    </message>
    <message>
        <source>TIME steps through five faces:
TIME 1 and TIME 2 - the time of day, with AM or PM.
ALARM - the alarm time, 12:00 AM.
DATE - month and day.
CHRONO - the chronograph at 00:00.
When switched on, every mark lights for 30 seconds, then the time shows.</source>
        <translation>TIME schaltet durch fünf Anzeigen:
TIME 1 und TIME 2 - die Uhrzeit, mit AM oder PM.
ALARM - die Weckzeit, 12:00 AM.
DATE - Monat und Tag.
CHRONO - die Stoppuhr auf 00:00.
Beim Einschalten leuchten 30 Sekunden lang alle Zeichen, dann erscheint die Uhrzeit.</translation>
    </message>
    <message>
        <source>The menu</source>
        <translation>Das Menü</translation>
    </message>
    <message>
        <source>Click the unit with the right mouse button for the menu: About (F1), Readme (F2), What&apos;s new (F3), this manual (F4), the configuration file, Key settings, Reset Hiscores, full screen (F12), the splash screen at start, and Exit (Esc).
Drag the unit with the left mouse button to move it.</source>
        <translation>Ein Rechtsklick auf das Gerät öffnet das Menü: Über (F1), Readme (F2), Neuigkeiten (F3), diese Anleitung (F4), die Konfigurationsdatei, Tastenbelegung, Highscores zurücksetzen, Vollbild (F12), das Startfenster und Beenden (Esc).
Ziehe das Gerät mit der linken Maustaste, um es zu verschieben.</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Key settings lets you choose a key for each of the seven buttons from the digits, letters, arrow keys, Alt, Ctrl, Shift and the space bar.
Two buttons cannot share a key. The choice is kept for the next time.

Have fun, and keep the house safe!</source>
        <translation>Unter Tastenbelegung wählst du für jede der sieben Tasten eine Taste aus Ziffern, Buchstaben, Pfeiltasten, Alt, Strg, Umschalt und Leertaste.
Zwei Tasten können nicht dieselbe Taste teilen. Die Wahl bleibt für das nächste Mal erhalten.

Viel Spaß, und pass gut auf das Haus auf!</translation>
    </message>
    <message>
        <source>Fire · Water · Watch  -  Instructions</source>
        <translation>Feuer · Wasser · Uhr  -  Anleitung</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Echt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>View &apos;Readme.txt&apos;</source>
        <translation>&apos;Readme.txt&apos; anzeigen</translation>
    </message>
    <message>
        <source>View &apos;Whatsnew.txt&apos;</source>
        <translation>&apos;Whatsnew.txt&apos; anzeigen</translation>
    </message>
    <message>
        <source>View manual</source>
        <translation>Anleitung anzeigen</translation>
    </message>
    <message>
        <source>Edit configuration file</source>
        <translation>Konfigurationsdatei bearbeiten</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Reset Hiscores</source>
        <translation>Highscores zurücksetzen</translation>
    </message>
    <message>
        <source>Display in fullscreen mode</source>
        <translation>Im Vollbild anzeigen</translation>
    </message>
    <message>
        <source>Display splash screen at startup</source>
        <translation>Startfenster beim Start anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause when the window loses the keyboard</source>
        <translation>Pause, wenn das Fenster die Tastatur abgibt</translation>
    </message>
    <message>
        <source>Quick save</source>
        <translation>Schnellspeichern</translation>
    </message>
    <message>
        <source>Quick load</source>
        <translation>Schnellladen</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Resume where I left off</source>
        <translation>Dort weiterspielen, wo ich aufgehört habe</translation>
    </message>
    <message>
        <source>Replays and high scores...</source>
        <translation>Wiederholungen und Highscores...</translation>
    </message>
    <message>
        <source>Save a screenshot</source>
        <translation>Bildschirmfoto speichern</translation>
    </message>
    <message>
        <source>Stop the replay</source>
        <translation>Wiederholung beenden</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Volume 100 %</source>
        <translation>Lautstärke 100 %</translation>
    </message>
    <message>
        <source>Volume 75 %</source>
        <translation>Lautstärke 75 %</translation>
    </message>
    <message>
        <source>Volume 50 %</source>
        <translation>Lautstärke 50 %</translation>
    </message>
    <message>
        <source>Volume 25 %</source>
        <translation>Lautstärke 25 %</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>Klänge folgen den Flammen</translation>
    </message>
    <message>
        <source>Fit the screen</source>
        <translation>An den Bildschirm anpassen</translation>
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
        <translation>Größer</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Unlit segments as the face shows them</source>
        <translation>Inaktive Segmente wie auf der Vorderseite</translation>
    </message>
    <message>
        <source>Unlit segments hidden</source>
        <translation>Inaktive Segmente unsichtbar</translation>
    </message>
    <message>
        <source>Unlit segments faint</source>
        <translation>Inaktive Segmente schwach</translation>
    </message>
    <message>
        <source>Unlit segments visible</source>
        <translation>Inaktive Segmente sichtbar</translation>
    </message>
    <message>
        <source>Unlit segments clear</source>
        <translation>Inaktive Segmente deutlich</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Open the menu (or Shift+F10)</source>
        <translation>Menü öffnen (oder Umschalt+F10)</translation>
    </message>
    <message>
        <source>Read the face aloud (screen reader)</source>
        <translation>Anzeige vorlesen (Bildschirmleser)</translation>
    </message>
    <message>
        <source>Replay faster</source>
        <translation>Wiederholung schneller</translation>
    </message>
    <message>
        <source>Replay slower</source>
        <translation>Wiederholung langsamer</translation>
    </message>
    <message>
        <source>Replay: step to the next change</source>
        <translation>Wiederholung: bis zur nächsten Änderung</translation>
    </message>
    <message>
        <source>%1: hold %2</source>
        <translation>%1: %2 gedrückt halten</translation>
    </message>
    <message>
        <source>%1 is the program&apos;s own key: %2</source>
        <translation>%1 ist eine Taste des Programms: %2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The game kept from the last run cannot be resumed:
%1
The file is left as it is.</source>
        <translation>Das vom letzten Mal aufgehobene Spiel kann nicht fortgesetzt werden:
%1
Die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>A setting could not be stored, so it will be lost when the program ends:
%1</source>
        <translation>Eine Einstellung konnte nicht gespeichert werden und geht verloren, wenn das Programm endet:
%1</translation>
    </message>
    <message>
        <source>The screenshot could not be saved:
%1</source>
        <translation>Das Bildschirmfoto konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>%1
The shipped skin is used instead.</source>
        <translation>%1
Stattdessen wird die mitgelieferte Oberfläche verwendet.</translation>
    </message>
    <message>
        <source>No program on this desktop could open the file
%1</source>
        <translation>Kein Programm auf diesem Desktop konnte die Datei öffnen
%1</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Parts of the gamepad mapping could not be understood and are left out:

%1</source>
        <translation>Teile der Gamepad-Belegung sind unverständlich und werden weggelassen:

%1</translation>
    </message>
    <message>
        <source>The replay cannot be played:
%1</source>
        <translation>Die Wiederholung kann nicht abgespielt werden:
%1</translation>
    </message>
    <message>
        <source>The clip could not be exported:
%1</source>
        <translation>Der Clip konnte nicht exportiert werden:
%1</translation>
    </message>
    <message>
        <source>The clip is saved as
%1</source>
        <translation>Der Clip ist gespeichert als
%1</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>BMP image data is truncated</source>
        <translation>Die Bilddaten des BMP sind abgeschnitten</translation>
    </message>
    <message>
        <source>Not a BMP file</source>
        <translation>Keine BMP-Datei</translation>
    </message>
    <message>
        <source>BMP header is truncated or invalid</source>
        <translation>Der BMP-Kopf ist abgeschnitten oder ungültig</translation>
    </message>
    <message>
        <source>BMP picture has no pixels</source>
        <translation>Das BMP-Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>Unsupported BMP compression (%1)</source>
        <translation>Nicht unterstützte BMP-Kompression (%1)</translation>
    </message>
    <message>
        <source>BMP compression does not match its bits per pixel</source>
        <translation>Die BMP-Kompression passt nicht zu den Bits pro Pixel</translation>
    </message>
    <message>
        <source>A compressed BMP cannot be top-down</source>
        <translation>Ein komprimiertes BMP kann nicht von oben nach unten gespeichert sein</translation>
    </message>
    <message>
        <source>Unsupported BMP bits per pixel (%1)</source>
        <translation>Nicht unterstützte Bits pro Pixel im BMP (%1)</translation>
    </message>
    <message>
        <source>BMP colour masks are missing</source>
        <translation>Die Farbmasken des BMP fehlen</translation>
    </message>
    <message>
        <source>BMP palette is truncated</source>
        <translation>Die Palette des BMP ist abgeschnitten</translation>
    </message>
    <message>
        <source>BMP header promises more data than the file holds</source>
        <translation>Der BMP-Kopf verspricht mehr Daten, als die Datei enthält</translation>
    </message>
    <message>
        <source>BMP image data is missing</source>
        <translation>Die Bilddaten des BMP fehlen</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Endung einer Bilddatei (.%1)</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels; at most %4 a side)</source>
        <translation>Das %1-Bild ist zu groß (%2 x %3 Pixel; höchstens %4 je Seite)</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it would need more memory than is left for pictures</source>
        <translation>es bräuchte mehr Speicher, als für Bilder übrig ist</translation>
    </message>
    <message>
        <source>%1: the pictures would need more than %2 MiB of memory, so loading stops here</source>
        <translation>%1: Die Bilder bräuchten mehr als %2 MiB Speicher, daher endet das Laden hier</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to load this picture</source>
        <translation>%1: Es ist nicht genug Speicher frei, um dieses Bild zu laden</translation>
    </message>
    <message>
        <source>PNG chunk &quot;%1&quot; runs past the end of the file</source>
        <translation>Der PNG-Block „%1“ reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>PNG header promises more data than the file holds</source>
        <translation>Der PNG-Kopf verspricht mehr Daten, als die Datei enthält</translation>
    </message>
    <message>
        <source>JPEG header promises more pixels than the file holds</source>
        <translation>Der JPEG-Kopf verspricht mehr Pixel, als die Datei enthält</translation>
    </message>
    <message>
        <source>%1: cannot be written as PNG</source>
        <translation>%1: kann nicht als PNG geschrieben werden</translation>
    </message>
    <message>
        <source>%1 file is too large</source>
        <translation>Die %1-Datei ist zu groß</translation>
    </message>
    <message>
        <source>PNG chunk runs past the end of the file</source>
        <translation>Ein PNG-Block reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>%1: this build writes no pictures</source>
        <translation>%1: Diese Ausgabe des Programms schreibt keine Bilder</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>it does not start at the beginning of a game %1</source>
        <translation>sie beginnt nicht am Anfang eines Spiels %1</translation>
    </message>
    <message>
        <source>its start is no moment of a unit: %1</source>
        <translation>ihr Anfang ist kein Zustand eines Geräts: %1</translation>
    </message>
    <message>
        <source>it does not start in a game %1</source>
        <translation>sie beginnt nicht in einem Spiel %1</translation>
    </message>
    <message>
        <source>it does not begin by letting go of the game button</source>
        <translation>sie beginnt nicht mit dem Loslassen der Spieltaste</translation>
    </message>
    <message>
        <source>its start is not in base64</source>
        <translation>ihr Anfang ist nicht in Base64</translation>
    </message>
    <message>
        <source>a step is not a press or release in time order</source>
        <translation>ein Schritt ist kein Drücken oder Loslassen in zeitlicher Folge</translation>
    </message>
    <message>
        <source>a slip is not in time order</source>
        <translation>eine Lücke ist nicht in zeitlicher Folge</translation>
    </message>
    <message>
        <source>its end is no score and length of a game</source>
        <translation>ihr Ende ist keine Punktzahl und Dauer eines Spiels</translation>
    </message>
    <message>
        <source>it has a line that no replay has (&quot;%1&quot;)</source>
        <translation>sie hat eine Zeile, die keine Wiederholung hat (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it is far larger than any replay</source>
        <translation>sie ist viel größer als jede Wiederholung</translation>
    </message>
    <message>
        <source>it is not a replay of Ignivar</source>
        <translation>es ist keine Ignivar-Wiederholung</translation>
    </message>
    <message>
        <source>it is a replay of another version (this program reads version %1)</source>
        <translation>sie stammt aus einer anderen Version (dieses Programm liest Version %1)</translation>
    </message>
    <message>
        <source>it is cut short (no checksum)</source>
        <translation>sie ist abgeschnitten (keine Prüfsumme)</translation>
    </message>
    <message>
        <source>its checksum line is damaged</source>
        <translation>ihre Prüfsummenzeile ist beschädigt</translation>
    </message>
    <message>
        <source>it is damaged or was changed (its checksum does not match)</source>
        <translation>sie ist beschädigt oder wurde verändert (die Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>it has an empty line</source>
        <translation>sie hat eine leere Zeile</translation>
    </message>
    <message>
        <source>it has no start</source>
        <translation>sie hat keinen Anfang</translation>
    </message>
    <message>
        <source>the recorded game did not end</source>
        <translation>das aufgezeichnete Spiel endete nicht</translation>
    </message>
    <message>
        <source>the replay&apos;s game does not end</source>
        <translation>das Spiel der Wiederholung endet nicht</translation>
    </message>
    <message>
        <source>the replay ends with %1 points, not the %2 it records</source>
        <translation>die Wiederholung endet mit %1 Punkten, nicht mit den aufgezeichneten %2</translation>
    </message>
    <message>
        <source>the replay&apos;s game lasts %1 ms, not the %2 it records</source>
        <translation>das Spiel der Wiederholung dauert %1 ms, nicht die aufgezeichneten %2</translation>
    </message>
    <message>
        <source>%1 is no replay: it is %2</source>
        <translation>%1 ist keine Wiederholung: es ist %2</translation>
    </message>
    <message>
        <source>%1 is no replay: %2</source>
        <translation>%1 ist keine Wiederholung: %2</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1</source>
        <translation>Die Wiederholung konnte nicht aufgehoben werden: %1</translation>
    </message>
</context>
<context>
    <name>Replays</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>not a replay: %1</source>
        <translation>keine Wiederholung: %1</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>unvollendet</translation>
    </message>
    <message>
        <source>not proved: %1</source>
        <translation>nicht bewiesen: %1</translation>
    </message>
    <message>
        <source>continued from a saved game: it proves no score</source>
        <translation>aus einem gespeicherten Spiel fortgesetzt: beweist keine Punktzahl</translation>
    </message>
    <message>
        <source>proved by its replay (rewound while played)</source>
        <translation>durch die Wiederholung bewiesen (beim Spielen zurückgespult)</translation>
    </message>
    <message>
        <source>proved by its replay</source>
        <translation>durch die Wiederholung bewiesen</translation>
    </message>
    <message>
        <source>MP4 (H.264, with sound)</source>
        <translation>MP4 (H.264, mit Ton)</translation>
    </message>
    <message>
        <source>WebM (VP9, with sound)</source>
        <translation>WebM (VP9, mit Ton)</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Animated WebP</source>
        <translation>Animiertes WebP</translation>
    </message>
    <message>
        <source>Export a clip</source>
        <translation>Clip exportieren</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>%1 Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>The whole unit</source>
        <translation>Das ganze Gerät</translation>
    </message>
    <message>
        <source>The LCD alone</source>
        <translation>Nur das LCD</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Real: segments fade and cast shadows</source>
        <translation>Echt: Segmente verblassen und werfen Schatten</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Aussehen:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Replays and high scores</source>
        <translation>Wiederholungen und Highscores</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Spiel A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Spiel B</translation>
    </message>
    <message>
        <source>Recent games</source>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Export a clip...</source>
        <translation>Clip exportieren...</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No games yet: every game played is kept here as a replay when it ends, in
%1</source>
        <translation>Noch keine Spiele: Jedes Spiel wird nach seinem Ende hier als Wiederholung aufgehoben, in
%1</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Aufgehoben in %1</translation>
    </message>
    <message>
        <source>%1 clips (*.%2)</source>
        <translation>%1-Clips (*.%2)</translation>
    </message>
    <message>
        <source>Exporting the clip...</source>
        <translation>Der Clip wird exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>it is not a saved game of Ignivar</source>
        <translation>die Datei ist kein gespeichertes Ignivar-Spiel</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>it was saved in another format (version %1; this program reads %2)</source>
        <translation>die Datei hat ein anderes Format (Version %1; dieses Programm liest %2)</translation>
    </message>
    <message>
        <source>its length is not that of a saved game</source>
        <translation>die Länge passt nicht zu einem gespeicherten Spiel</translation>
    </message>
    <message>
        <source>it has more in it than a saved game</source>
        <translation>die Datei enthält mehr als ein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>it is damaged (its checksum does not match)</source>
        <translation>die Datei ist beschädigt (die Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>it holds a moment no unit can be in</source>
        <translation>die Datei enthält einen Zustand, in dem kein Gerät sein kann</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Das Spiel konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 is no saved game: it is %2</source>
        <translation>%1 ist kein gespeichertes Spiel: es ist %2</translation>
    </message>
    <message>
        <source>%1 is no saved game: %2</source>
        <translation>%1 ist kein gespeichertes Spiel: %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the file or its folder cannot be written</source>
        <translation>die Datei oder ihr Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>die Datei ist keine gültige Einstellungsdatei</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 is %2, so settings cannot be written; they are kept for this run only</source>
        <translation>%1 ist %2, daher können keine Einstellungen geschrieben werden; sie gelten nur für diesen Lauf</translation>
    </message>
    <message>
        <source>The settings folder&apos;s name is not valid UTF-8 (%1), so settings cannot be kept and will be lost when the program ends</source>
        <translation>Der Name des Einstellungsordners ist kein gültiges UTF-8 (%1), daher können Einstellungen nicht aufgehoben werden und gehen verloren, wenn das Programm endet</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2), so settings cannot be kept and will be lost when the program ends</source>
        <translation>%1 ist keine gewöhnliche Datei (%2), daher können Einstellungen nicht aufgehoben werden und gehen verloren, wenn das Programm endet</translation>
    </message>
    <message>
        <source>a folder, device or pipe</source>
        <translation>ein Ordner, Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>%1: %2; what cannot be read takes its default, and a copy of the file is kept as %3 before it is written</source>
        <translation>%1: %2; was nicht gelesen werden kann, erhält seinen Standardwert, und eine Kopie der Datei wird als %3 aufgehoben, bevor sie geschrieben wird</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is far too large to be a settings file and cannot be moved aside</source>
        <translation>%1 ist viel zu groß für eine Einstellungsdatei und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>%1 was far too large to be a settings file; it is kept as %2 and the settings start from their defaults</source>
        <translation>%1 war viel zu groß für eine Einstellungsdatei; sie wird als %2 aufgehoben, und die Einstellungen beginnen mit ihren Standardwerten</translation>
    </message>
    <message>
        <source>cannot save a copy of the unreadable %1 before writing it</source>
        <translation>von der unlesbaren %1 kann vor dem Schreiben keine Kopie gesichert werden</translation>
    </message>
    <message>
        <source>%1 is locked by another program (process %2), so settings cannot be written; they are kept for this run only</source>
        <translation>%1 ist von einem anderen Programm gesperrt (Prozess %2), daher können keine Einstellungen geschrieben werden; sie gelten nur für diesen Lauf</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>There is not enough memory to load the skin of %1</source>
        <translation>Es ist nicht genug Speicher frei, um die Oberfläche von %1 zu laden</translation>
    </message>
    <message>
        <source>%1: a unit of %2 x %3 pixels would need more than %4 MiB of memory for its window, so the skin is not loaded</source>
        <translation>%1: Ein Gerät von %2 x %3 Pixeln bräuchte mehr als %4 MiB Speicher für sein Fenster, daher wird die Oberfläche nicht geladen</translation>
    </message>
    <message>
        <source>Your own skin file cannot be used: %1</source>
        <translation>Deine eigene Oberflächendatei kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Configuration file (Config.ini) not found. Please reinstall the game.</source>
        <translation>Konfigurationsdatei (Config.ini) nicht gefunden. Bitte installiere das Spiel neu.</translation>
    </message>
    <message>
        <source>Cannot make your own copy of Config.ini as %1: %2</source>
        <translation>Deine eigene Kopie von Config.ini kann nicht als %1 angelegt werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s glass %2 is missing, so unlit segments are drawn over the face as it is</source>
        <translation>%1: Das Glas des LCD, %2, fehlt, daher werden unbeleuchtete Segmente über die Vorderseite gezeichnet, wie sie ist</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s high-contrast face %2 is missing, so the high-contrast look shows the face as it is</source>
        <translation>%1: Die kontrastreiche Vorderseite des LCD, %2, fehlt, daher zeigt die kontrastreiche Ansicht die Vorderseite, wie sie ist</translation>
    </message>
    <message>
        <source>%1: [LCD] %2=%3 is not a whole number from %4 to %5, so %6 is used</source>
        <translation>%1: [LCD] %2=%3 ist keine ganze Zahl von %4 bis %5, daher gilt %6</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Sound folder unproperly installed. Please reinstall the game.</source>
        <translation>Der Ordner Sound ist nicht richtig installiert. Bitte installiere das Spiel neu.</translation>
    </message>
    <message>
        <source>no sound output is named &quot;%1&quot;</source>
        <translation>keine Tonausgabe heißt „%1“</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>its format chunk is cut short</source>
        <translation>ihr Format-Block ist abgeschnitten</translation>
    </message>
    <message>
        <source>its encoding is not PCM or float (format %1, %2 bits)</source>
        <translation>ihre Kodierung ist weder PCM noch Gleitkomma (Format %1, %2 Bit)</translation>
    </message>
    <message>
        <source>it has %1 channels (1 or 2 can be played)</source>
        <translation>sie hat %1 Kanäle (1 oder 2 können gespielt werden)</translation>
    </message>
    <message>
        <source>its rate is %1 Hz (%2 to %3 Hz can be played)</source>
        <translation>ihre Abtastrate ist %1 Hz (%2 bis %3 Hz können gespielt werden)</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>es ist keine WAV-Datei</translation>
    </message>
    <message>
        <source>its format chunk runs past the end of the file</source>
        <translation>ihr Format-Block reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>its samples come before their format</source>
        <translation>ihre Abtastwerte kommen vor ihrem Format</translation>
    </message>
    <message>
        <source>it is far too long for a sound effect (%1 s)</source>
        <translation>sie ist viel zu lang für einen Klangeffekt (%1 s)</translation>
    </message>
    <message>
        <source>it has no samples</source>
        <translation>sie hat keine Abtastwerte</translation>
    </message>
    <message>
        <source>it has no format chunk</source>
        <translation>sie hat keinen Format-Block</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Select sound driver:</source>
        <translation>Soundausgabe:</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Über dieses Spiel...</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>Soundausgabe</translation>
    </message>
    <message>
        <source>Display this splash screen at startup</source>
        <translation>Dieses Fenster beim Start zeigen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Opens the donation page in the browser</source>
        <translation>Öffnet die Spendenseite im Browser</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Switches the unit on</source>
        <translation>Schaltet das Gerät ein</translation>
    </message>
    <message>
        <source>please select sound driver first</source>
        <translation>bitte zuerst eine Soundausgabe wählen</translation>
    </message>
    <message>
        <source>Unavailable until a sound output is chosen</source>
        <translation>Erst verfügbar, wenn eine Soundausgabe gewählt ist</translation>
    </message>
    <message>
        <source>Choose a sound output above, then Play</source>
        <translation>Oben eine Soundausgabe wählen, dann Spielen</translation>
    </message>
    <message>
        <source>Plays through the desktop&apos;s sound server (PipeWire or PulseAudio)</source>
        <translation>Spielt über den Soundserver des Desktops (PipeWire oder PulseAudio)</translation>
    </message>
    <message>
        <source>Plays through ALSA, straight to the sound card</source>
        <translation>Spielt über ALSA direkt auf der Soundkarte</translation>
    </message>
    <message>
        <source>The unit plays silent</source>
        <translation>Das Gerät spielt lautlos</translation>
    </message>
    <message>
        <source>Made by %1, released on %2</source>
        <translation>Von %1, erschienen am %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>(no sound)</source>
        <translation>(kein Ton)</translation>
    </message>
</context>
<context>
    <name>SplashPictures</name>
    <message>
        <source>Fire · Water · Watch
Pocket LCD game</source>
        <translation>Feuer · Wasser · Uhr
LCD-Taschenspiel</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <source>No game to pause: a watch shows the time</source>
        <translation>Kein Spiel zum Pausieren: die Uhr zeigt die Zeit</translation>
    </message>
    <message>
        <source>No game to save</source>
        <translation>Kein Spiel zum Speichern</translation>
    </message>
    <message>
        <source>Game %1 saved</source>
        <translation>Spiel %1 gespeichert</translation>
    </message>
    <message>
        <source>No game saved yet</source>
        <translation>Noch kein Spiel gespeichert</translation>
    </message>
    <message>
        <source>Game %1 loaded</source>
        <translation>Spiel %1 geladen</translation>
    </message>
    <message>
        <source>Rewound as far as it goes</source>
        <translation>So weit wie möglich zurückgespult</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>PAUSED · %1 plays on</source>
        <translation>PAUSE · %1 spielt weiter</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>MUTED · %1 sounds again</source>
        <translation>STUMM · %1 schaltet den Ton ein</translation>
    </message>
    <message>
        <source>SOUND ON</source>
        <translation>TON AN</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Kein Ton: %1</translation>
    </message>
    <message>
        <source>no device to play on</source>
        <translation>kein Gerät zum Abspielen</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>REPLAY %1 · game %2 · %3 points</source>
        <translation>WIEDERHOLUNG %1 · Spiel %2 · %3 Punkte</translation>
    </message>
</context>
</TS>
