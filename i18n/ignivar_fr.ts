<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Jouer</translation>
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
        <translation>Allume l'appareil</translation>
    </message>
    <message>
        <source>please select sound driver first</source>
        <translation>choisissez d'abord une sortie audio</translation>
    </message>
    <message>
        <source>Unavailable until a sound output is chosen</source>
        <translation>Indisponible tant qu'aucune sortie audio n'est choisie</translation>
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
        <translation>L'appareil joue en silence</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Language: %1</source>
        <translation>Langue : %1</translation>
    </message>
</context>
</TS>
