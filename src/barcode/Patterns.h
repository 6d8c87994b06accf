// Pattern tables of the linear symbologies. Strings hold module codes ("0"-"3" spaces,
// "5"-"8" bars, "A"-"D" short bars) or width digits ("1"-"4", bar first), as noted per table.
#pragma once

#include <array>
#include <string_view>

namespace tessaly::barcode::patterns {

// 2 of 5: five flags per digit, "1" = wide element.
inline constexpr std::array<std::string_view, 10> kTwoOfFive{
    "00110", "10001", "01001", "11000", "00101", // 0-4
    "10100", "01100", "00011", "10010", "01010", // 5-9
};

// EAN/UPC digit sets in module codes (four elements, seven modules at ratio 2).
// Set A: odd parity (left half); set B: even parity; set C: right half.
inline constexpr std::array<std::string_view, 10> kEanSetA{
    "2605", "1615", "1516", "0805", "0526", // 0-4
    "0625", "0508", "0706", "0607", "2506", // 5-9
};
inline constexpr std::array<std::string_view, 10> kEanSetB{
    "0517", "0616", "1606", "0535", "1705", // 0-4
    "0715", "3505", "1525", "2515", "1507", // 5-9
};
inline constexpr std::array<std::string_view, 10> kEanSetC{
    "7150", "6160", "6061", "5350", "5071", // 0-4
    "5170", "5053", "5251", "5152", "7051", // 5-9
};
// Parity of EAN-13 digits 2-7, selected by digit 1.
inline constexpr std::array<std::string_view, 10> kEan13Parity{
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", // 0-4
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA", // 5-9
};
// UPC-E parity ("E" even, "o" odd), selected by the check digit; also used by supplement 5.
inline constexpr std::array<std::string_view, 10> kUpcEParity{
    "EEEooo", "EEoEoo", "EEooEo", "EEoooE", "EoEEoo", // 0-4
    "EooEEo", "EoooEE", "EoEoEo", "EoEooE", "EooEoE", // 5-9
};
// Supplement 2 parity pairs, selected by the value modulo 4.
inline constexpr std::array<std::string_view, 4> kSupp2Parity{"oo", "oE", "Eo", "EE"};

// Code 39: character, nine-element pattern in module codes, check value.
struct Code39Row {
    char character;
    std::string_view pattern;
    int checkValue;
};
inline constexpr std::array<Code39Row, 44> kCode39{{
    {'0', "505160605", 0}, {'1', "605150506", 1}, {'2', "506150506", 2},
    {'3', "606150505", 3}, {'4', "505160506", 4}, {'5', "605160505", 5},
    {'6', "506160505", 6}, {'7', "505150606", 7}, {'8', "605150605", 8},
    {'9', "506150605", 9}, // 9
    {'A', "605051506", 10}, {'B', "506051506", 11}, {'C', "606051505", 12},
    {'D', "505061506", 13}, {'E', "605061505", 14}, {'F', "506061505", 15},
    {'G', "505051606", 16}, {'H', "605051605", 17}, {'I', "506051605", 18},
    {'J', "505061605", 19}, // J
    {'K', "605050516", 20}, {'L', "506050516", 21}, {'M', "606050515", 22},
    {'N', "505060516", 23}, {'O', "605060515", 24}, {'P', "506060515", 25},
    {'Q', "505050616", 26}, {'R', "605050615", 27}, {'S', "506050615", 28},
    {'T', "505060615", 29}, // T
    {'U', "615050506", 30}, {'V', "516050506", 31}, {'W', "616050505", 32},
    {'X', "515060506", 33}, {'Y', "615060505", 34}, {'Z', "516060505", 35},
    {'-', "515050606", 36}, {'.', "615050605", 37}, {' ', "516050605", 38},
    {'*', "515060605", 0}, // start and stop
    {'$', "515151505", 39}, {'/', "515150515", 40}, {'+', "515051515", 41},
    {'%', "505151515", 42},
}};

// Code 93: the characters of values 0-46 ("[", "]", "{", "}" are the four shifts) and
// their six width digits.
inline constexpr std::string_view kCode93Characters =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";
inline constexpr std::array<std::string_view, 47> kCode93{
    "131112", "111213", "111312", "111411", "121113", // 0
    "121212", "121311", "111114", "131211", "141111", // 5
    "211113", "211212", "211311", "221112", "221211", // 10 A
    "231111", "112113", "112212", "112311", "122112", // 15 F
    "132111", "111123", "111222", "111321", "121122", // 20 K
    "131121", "212112", "212211", "211122", "211221", // 25 P
    "221121", "222111", "112122", "112221", "122121", // 30 U
    "123111", "121131", "311112", "311211", "321111", // 35 Z
    "112131", "113121", "211131", "121221", "312111", // 40 /
    "311121", "122211",                               // 45 {
};
inline constexpr std::string_view kCode93Start = "111141";
inline constexpr std::string_view kCode93Stop = "1111411";

// Code 128: six width digits per value 0-105.
inline constexpr std::array<std::string_view, 106> kCode128{
    "212222", "222122", "222221", "121223", "121322", // 0
    "131222", "122213", "122312", "132212", "221213", // 5
    "221312", "231212", "112232", "122132", "122231", // 10
    "113222", "123122", "123221", "223211", "221132", // 15
    "221231", "213212", "223112", "312131", "311222", // 20
    "321122", "321221", "312212", "322112", "322211", // 25
    "212123", "212321", "232121", "111323", "131123", // 30
    "131321", "112313", "132113", "132311", "211313", // 35
    "231113", "231311", "112133", "112331", "132131", // 40
    "113123", "113321", "133121", "313121", "211331", // 45
    "231131", "213113", "213311", "213131", "311123", // 50
    "311321", "331121", "312113", "312311", "332111", // 55
    "314111", "221411", "431111", "111224", "111422", // 60
    "121124", "121421", "141122", "141221", "112214", // 65
    "112412", "122114", "122411", "142112", "142211", // 70
    "241211", "221114", "413111", "241112", "134111", // 75
    "111242", "121142", "121241", "114212", "124112", // 80
    "124211", "411212", "421112", "421211", "212141", // 85
    "214121", "412121", "111143", "111341", "131141", // 90
    "114113", "114311", "411113", "411311", "113141", // 95
    "114131", "311141", "411131", "211412", "211214", // 100: code B, FNC4, FNC1, start A, start B
    "211232",                                         // 105: start C
};
inline constexpr int kCode128CodeC = 99;
inline constexpr int kCode128CodeB = 100;
inline constexpr int kCode128Fnc1 = 102;
inline constexpr int kCode128StartA = 103;
inline constexpr int kCode128StartB = 104;
inline constexpr int kCode128StartC = 105;
inline constexpr std::string_view kCode128Stop = "2331112";

// MSI: a pair per bit of the digit, "51" for 0 and "60" for 1, most significant first.
inline constexpr std::array<std::string_view, 10> kMsi{
    "51515151", "51515160", "51516051", "51516060", "51605151", // 0-4
    "51605160", "51606051", "51606060", "60515151", "60515160", // 5-9
};

// PostNet: "5" full bar, "A" short bar, "1" wide space.
inline constexpr std::array<std::string_view, 10> kPostNet{
    "5151A1A1A1", "A1A1A15151", "A1A151A151", "A1A15151A1", "A151A1A151", // 0-4
    "A151A151A1", "A15151A1A1", "51A1A1A151", "51A1A151A1", "51A151A1A1", // 5-9
};

// Codabar: character and its seven-element pattern in module codes.
struct CodabarRow {
    char character;
    std::string_view pattern;
};
inline constexpr std::array<CodabarRow, 20> kCodabar{{
    {'1', "5050615"}, {'2', "5051506"}, {'3', "6150505"}, {'4', "5060515"},
    {'5', "6050515"}, {'6', "5150506"}, {'7', "5150605"}, {'8', "5160505"},
    {'9', "6051505"}, {'0', "5050516"}, // 0
    {'-', "5051605"}, {'$', "5061505"}, {':', "6050606"}, {'/', "6060506"},
    {'.', "6060605"}, {'+', "5060606"}, // +
    {'A', "5061515"}, {'B', "5151506"}, {'C', "5051516"}, {'D', "5051615"},
}};

} // namespace tessaly::barcode::patterns
