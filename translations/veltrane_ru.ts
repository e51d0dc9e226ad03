<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Слишком длинная строка</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Недопустимое изображение</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Ошибка выполнения &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Пасьянс Veltrane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Раздать</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Справка</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, игры для тихих часов</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Пасьянс Veltrane вокруг медной рамки карты с трефой</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>ой, не удалось открыть эту ссылку</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Для экрана выбраны КРУПНЫЕ ШРИФТЫ. Этому приложению нужна настройка «Мелкие шрифты». Щёлкните правой кнопкой мыши по рабочему столу, выберите СВОЙСТВА, затем ПАРАМЕТРЫ. Смените шрифты с крупных на мелкие и нажмите кнопку ПРИМЕНИТЬ.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Пасьянс Veltrane в бронзовой раме с червой, трефой, пикой и бубной</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>ВХОД ЗДЕСЬ</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Пасьянс Veltrane</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Отлично!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
</TS>
