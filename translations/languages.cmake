# The languages the game ships besides English, by the suffix of their files: the translation
# translations/veltrane_<language>.ts and the help texts assets/<language>/rules.txt and orvik.txt.
set(VELTRANE_LANGUAGES de fr es it pt_BR pl ru nl ja zh_CN)
