<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Spielen</translation>
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
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
</context>
</TS>
