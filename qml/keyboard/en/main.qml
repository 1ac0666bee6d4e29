import "../common"

LetterLayout {
    rows: ["qwertyuiop", "asdfghjkl", "zxcvbnm"]
}
