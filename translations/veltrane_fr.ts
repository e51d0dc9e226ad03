<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>L’indice n’appartient pas à la sélection</translation>
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
