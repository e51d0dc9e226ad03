<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: veltrane [options]
Veltrane Solitaire, a patience card game for one player.
The game itself takes no options; Qt&apos;s own are passed on to Qt.

Options:
  -h, --help     Displays this help.
  -v, --version  Displays version information.

Qt&apos;s options, passed on to Qt (one dash or two):
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (given by a session
  manager that restarts the game), -style NAME, -stylesheet FILE,
  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),
  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

Files, read from the folder that holds the game (%1):
  rules.txt, orvik.txt  the Rules and About pages of Help
  SOUND/34.WAV          the greeting of the splash
  SOUND/APPLAUS.WAV     the applause of a win
  veltrane-sound.so     the sound player, loaded with the first sound

Environment:
  QT_QPA_PLATFORM  the window system: xcb (X11, also through Xwayland) or
                   wayland. Unset, the game uses X when DISPLAY is set, as it
                   places its windows itself there, and Wayland otherwise.
  DISPLAY, WAYLAND_DISPLAY
                   the X display and the Wayland display to open.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   a display of 116 to 125 pixels per inch gets the LARGE FONTS
                   message and the game ends. For a font DPI of 120 (a 125 %
                   text scale) start it as QT_FONT_DPI=96 veltrane; for a Qt
                   scale of 1.25, as QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   where a game in progress is saved for the session manager
                   (veltrane/session-KEY; ~/.local/state when unset).
</source>
        <translation>Usage : veltrane [options]
Réussite Veltrane, un jeu de cartes en solitaire.
Le jeu lui-même n’a pas d’options ; celles de Qt sont transmises à Qt.

Options :
  -h, --help     Affiche cette aide.
  -v, --version  Affiche les informations de version.

Options de Qt, transmises à Qt (avec un tiret ou deux) :
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (donné par un
  gestionnaire de session qui relance le jeu), -style NAME, -stylesheet FILE,
  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),
  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

Fichiers, lus dans le dossier qui contient le jeu (%1) :
  rules.txt, orvik.txt  les pages Règles et À propos de l’aide
  SOUND/34.WAV          l’accueil de l’écran de démarrage
  SOUND/APPLAUS.WAV     les applaudissements d’une victoire
  veltrane-sound.so     le lecteur de sons, chargé avec le premier son

Environnement :
  QT_QPA_PLATFORM  le système de fenêtres : xcb (X11, aussi via Xwayland) ou
                   wayland. Sans valeur, le jeu utilise X si DISPLAY est
                   défini, car il y place lui-même ses fenêtres, et Wayland
                   sinon.
  DISPLAY, WAYLAND_DISPLAY
                   l’écran X et l’écran Wayland à ouvrir.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   un écran de 116 à 125 pixels par pouce reçoit le message
                   GRANDES POLICES et le jeu se termine. Pour une police à
                   120 DPI (texte à 125 %), lancez-le avec
                   QT_FONT_DPI=96 veltrane ; pour une échelle Qt de 1,25, avec
                   QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   où une partie en cours est enregistrée pour le gestionnaire
                   de session (veltrane/session-KEY ; ~/.local/state si la
                   variable n’est pas définie).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>l’option &apos;%1&apos; demande une valeur, pas l’option &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l’option &apos;%1&apos; demande une valeur</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Essayez &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Ligne trop longue</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Cliquez
ici</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image incorrecte</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d’exécution &apos;%1&apos; :

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>elle est plus grande qu’une partie enregistrée ne peut l’être</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>ce n’est pas une partie enregistrée</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>elle a été enregistrée par une autre version</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>elle est tronquée</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>la ligne %1 est illisible</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>la ligne %1 nomme une carte qui se trouve ailleurs</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>il manque une carte</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>aucune partie ne peut atteindre sa position</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>la clé de la session n’est pas un simple nom de fichier ; la partie en cours n’est pas enregistrée.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>la partie en cours ne peut pas être enregistrée dans %1 : %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>la clé de la session n’est pas un simple nom de fichier ; une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>la partie enregistrée %1 ne peut pas être lue : %2 ; une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>la partie enregistrée %1 est ignorée, car %2 ; une nouvelle partie commence.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Case de pique %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Case de carreau %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Case de cœur %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Case de trèfle %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Fondation de pique</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Fondation de carreau</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Fondation de cœur</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Fondation de trèfle</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>case de pique vide</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>case de carreau vide</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>case de cœur vide</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>case de trèfle vide</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Cliquez ici pour retourner le talon</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, carte sélectionnée</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>plus aucun tour</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 carte</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>deuxième tour</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>premier tour</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>Fichier &gt; Distribuer commence une partie</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1, sélection annulée</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>talon : %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>ici, seulement les piques</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>ici, seulement les carreaux</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>ici, seulement les cœurs</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>ici, seulement les trèfles</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>aucune carte sélectionnée</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>carte déjà sélectionnée : %1</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>carte attendue : %1</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Réussite Veltrane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Aide</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, des jeux pour les heures calmes</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Réussite Veltrane, autour d’un cadre de carte en cuivre orné d’un trèfle</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>oups, impossible de vous y emmener</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Page Règles</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Page À propos</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Page À propos, Maj+Tab pour lire</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Page Règles, Maj+Tab pour lire</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Votre affichage est réglé sur GRANDES POLICES. Cette application nécessite le réglage Petites polices. Cliquez avec le bouton droit sur le bureau, choisissez PROPRIÉTÉS, puis PARAMÈTRES. Passez les polices de Grandes à Petites, puis cliquez sur le bouton APPLIQUER.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Réussite Veltrane, dans un cadre en bronze orné d’un cœur, d’un trèfle, d’un pique et d’un carreau</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>ENTRER ICI</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Réussite Veltrane</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
