<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Zeile zu lang</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane-Patience</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, Spiele für stille Stunden</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Veltrane-Patience, um einen kupfernen Kartenrahmen mit einem Kreuz</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>Hoppla, dorthin lässt sich keine Verbindung herstellen</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Ihre Bildschirmanzeige ist auf GROSSE SCHRIFTARTEN eingestellt. Diese Anwendung erfordert die Einstellung Kleine Schriftarten. Klicken Sie mit der rechten Maustaste auf den Desktop, wählen Sie EIGENSCHAFTEN und dann EINSTELLUNGEN. Ändern Sie die Schriftarten von Groß auf Klein und klicken Sie dann auf ÜBERNEHMEN.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Veltrane-Patience, in einem bronzenen Bilderrahmen mit einem Herz, einem Kreuz, einem Pik und einem Karo</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>HIER EINTRETEN</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane-Patience</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
