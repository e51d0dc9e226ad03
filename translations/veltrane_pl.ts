<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Zbyt długi wiersz</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Błąd wykonania &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Pasjans Veltrane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Rozdaj</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>P&amp;omoc</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Zasady</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O grze...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Pomoc</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, gry na spokojne chwile</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Pasjans Veltrane, wokół miedzianej ramki karty z treflem</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>ups, nie udało się otworzyć tego łącza</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Ekran jest ustawiony na DUŻE CZCIONKI. Ta aplikacja wymaga ustawienia Małe czcionki. Kliknij prawym przyciskiem myszy pulpit, wybierz WŁAŚCIWOŚCI, a następnie USTAWIENIA. Zmień czcionki z Dużych na Małe, a potem kliknij przycisk ZASTOSUJ.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witaj</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Pasjans Veltrane w brązowej ramie z kierem, treflem, pikiem i karem</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>WEJDŹ TUTAJ</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Pasjans Veltrane</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
