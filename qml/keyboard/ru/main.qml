import "../common"

LetterLayout {
    rows: ["йцукенгшщзх", "фывапролджэ", "ячсмитьбю"]
    alternatives: ({ "е": ["е", "ё"], "ь": ["ь", "ъ"] })
}
