#include "ui/keypad/keypad_keys.h"

#include <array>

namespace {

using enum KeyAction;
using enum KeyBlock;
using enum KeyGroup;

constexpr KeypadKey Name(int id, const char16_t* west, const char16_t* east, int row, int column,
                         const char* accessibleName) {
    return {id, west, east, InsertName, nullptr, CmdClear, Functions, row, column, Function, accessibleName};
}

constexpr KeypadKey Text(int id, const char16_t* caption, const char16_t* text, KeyBlock block, int row,
                         int column, KeyGroup group, const char* accessibleName) {
    return {id, caption, caption, InsertText, text, CmdClear, block, row, column, group, accessibleName};
}

constexpr KeypadKey Send(int id, const char16_t* caption, CommandCode command, KeyBlock block, int row,
                         int column, const char* accessibleName) {
    return {id, caption, caption, Command, nullptr, command, block, row, column, Service, accessibleName};
}

constexpr std::array<KeypadKey, kKeyCount> kKeys = {{
    Name(1001, u"sin", u"sin", 0, 0, "sine"),
    Name(1002, u"csc", u"cosec", 0, 1, "cosecant"),
    Name(1003, u"cos", u"cos", 0, 2, "cosine"),
    Name(1004, u"sec", u"sec", 0, 3, "secant"),
    Name(1005, u"tan", u"tg", 0, 4, "tangent"),
    Name(1006, u"cot", u"ctg", 0, 5, "cotangent"),
    Name(1007, u"sinh", u"sh", 1, 0, "hyperbolic sine"),
    Name(1008, u"csch", u"csch", 1, 1, "hyperbolic cosecant"),
    Name(1009, u"cosh", u"ch", 1, 2, "hyperbolic cosine"),
    Name(1010, u"sech", u"sech", 1, 3, "hyperbolic secant"),
    Name(1011, u"tanh", u"th", 1, 4, "hyperbolic tangent"),
    Name(1012, u"coth", u"cth", 1, 5, "hyperbolic cotangent"),
    Name(1013, u"exp", u"exp", 2, 0, "exponential"),
    Name(1014, u"ln", u"ln", 2, 1, "natural logarithm"),
    Name(1015, u"log", u"lg", 2, 2, "common logarithm"),
    Name(1016, u"pow", u"pow", 2, 3, "power"),
    Name(1017, u"abs", u"abs", 2, 4, "absolute value"),
    {kFactorialKeyId, u"n!", u"n!", InsertFactorial, nullptr, CmdClear, Functions, 2, 5, Function,
     "factorial"},
    Name(1019, u"arcsin", u"arcsin", 3, 0, "arcsine"),
    Name(1020, u"arccsc", u"arccosec", 3, 1, "arccosecant"),
    Name(1021, u"arccos", u"arccos", 3, 2, "arccosine"),
    Name(1022, u"arcsec", u"arcsec", 3, 3, "arcsecant"),
    Name(1023, u"arctan", u"arctg", 3, 4, "arctangent"),
    Name(1024, u"arccot", u"arcctg", 3, 5, "arccotangent"),
    Name(1025, u"arsinh", u"arsh", 4, 0, "inverse hyperbolic sine"),
    Name(1026, u"arcsch", u"arcsch", 4, 1, "inverse hyperbolic cosecant"),
    Name(1027, u"arcosh", u"arch", 4, 2, "inverse hyperbolic cosine"),
    Name(1028, u"arsech", u"arsch", 4, 3, "inverse hyperbolic secant"),
    Name(1029, u"artanh", u"arth", 4, 4, "inverse hyperbolic tangent"),
    Name(1030, u"arcoth", u"arcth", 4, 5, "inverse hyperbolic cotangent"),
    Name(1031, u"J", u"J", 5, 0, "Bessel J"),
    Name(1032, u"Y", u"Y", 5, 1, "Bessel Y"),
    Name(1033, u"I", u"I", 5, 2, "modified Bessel I"),
    Name(1034, u"K", u"K", 5, 3, "modified Bessel K"),
    Text(1035, u"rand", u"rand", Functions, 5, 4, Function, "random number"),
    Name(1036, u"sign", u"sign", 5, 5, "sign"),
    Text(1037, u"\u03A3", u"\u03A3(", Functions, 6, 0, Function, "sum"),
    Text(1038, u"\u03A0", u"\u03A0(", Functions, 6, 1, Function, "product"),
    Name(1039, u"conj", u"conj", 6, 2, "complex conjugate"),
    Name(1040, u"re", u"re", 6, 3, "real part"),
    Name(1041, u"im", u"im", 6, 4, "imaginary part"),
    Name(1042, u"arg", u"arg", 6, 5, "argument"),

    Text(1043, u"\u03C0", u"\u03C0", Constants, 0, 0, Digit, "pi"),
    Text(1044, u"e", u"e", Constants, 0, 1, Digit, "Euler's number"),
    {1045, u"i", u"i", InsertImaginaryUnit, nullptr, CmdClear, Constants, 1, 0, Digit, "imaginary unit"},
    Text(1046, u"(", u"(", Constants, 3, 0, Function, "round brackets open"),
    Text(1047, u")", u")", Constants, 3, 1, Function, "round brackets close"),
    Text(1048, u"[", u"[", Constants, 4, 0, Function, "square brackets open"),
    Text(1049, u"]", u"]", Constants, 4, 1, Function, "square brackets close"),
    Text(1052, u"/*", u"/*", Constants, 6, 0, Service, "comment open"),
    Text(1053, u"*/", u"*/", Constants, 6, 1, Service, "comment close"),

    Text(1054, u"+", u"+", Numbers, 0, 0, Function, "plus"),
    Text(1059, u"1", u"1", Numbers, 0, 1, Digit, "1"),
    Text(1060, u"2", u"2", Numbers, 0, 2, Digit, "2"),
    Text(1061, u"3", u"3", Numbers, 0, 3, Digit, "3"),
    // The minus sign, not the hyphen; the asterisk is sent for the multiplication sign.
    Text(1055, u"\u2212", u"\u2212", Numbers, 1, 0, Function, "minus"),
    Text(1062, u"4", u"4", Numbers, 1, 1, Digit, "4"),
    Text(1063, u"5", u"5", Numbers, 1, 2, Digit, "5"),
    Text(1064, u"6", u"6", Numbers, 1, 3, Digit, "6"),
    Text(1056, u"\u2217", u"*", Numbers, 2, 0, Function, "times"),
    Text(1065, u"7", u"7", Numbers, 2, 1, Digit, "7"),
    Text(1066, u"8", u"8", Numbers, 2, 2, Digit, "8"),
    Text(1067, u"9", u"9", Numbers, 2, 3, Digit, "9"),
    Text(1057, u"/", u"/", Numbers, 3, 0, Function, "divided by"),
    Text(1058, u"0", u"0", Numbers, 3, 1, Digit, "0"),
    Text(1068, u".", u".", Numbers, 3, 2, Digit, "decimal point"),
    Text(1069, u";", u";", Numbers, 3, 3, Service, "statement end"),

    Send(1070, u"=", CmdCalculate, Commands, 4, 0, "calculate"),
    Send(1071, u"= all", CmdCalculateAll, Commands, 4, 1, "calculate all"),
    Send(1075, u"\u2190", CmdBackspace, Commands, 6, 0, "backspace"),
    Send(1074, u"clear", CmdClear, Commands, 6, 1, "clear"),

    Text(1072, u"enter", u"\r\n", Lines, 0, 0, Service, "new line"),
    Text(1073, u"; enter", u";\r\n", Lines, 1, 0, Service, "statement end and new line"),
    Text(1076, u"rslt", u"rslt", Lines, 3, 0, Service, "previous result"),
    Send(1077, u"free", CmdFreeMemory, Lines, 4, 0, "free memory"),
    Text(1078, u"\u2192", u"->mem[", Lines, 5, 0, Service, "store in memory"),
    Text(1079, u"mem", u"mem[", Lines, 6, 0, Service, "memory cell"),
}};

constexpr std::uint32_t kContextHelpBase = 0x80660000u;
constexpr std::uint32_t kGammaHelpId = kContextHelpBase + 0x438u;

std::u16string NameFor(const KeypadKey& key, int notation) {
    return notation != 0 ? key.eastName : key.westName;
}

} // namespace

std::span<const KeypadKey, kKeyCount> KeypadKeys() {
    return kKeys;
}

int KeyIndex(int id) {
    for (int i = 0; i < kKeyCount; ++i) {
        if (kKeys[static_cast<size_t>(i)].id == id)
            return i;
    }
    return -1;
}

QString CaptionOf(const KeypadKey& key, int notation, bool gammaShown, bool imaginaryJ) {
    switch (key.action) {
    case InsertFactorial:
        return gammaShown ? QStringLiteral("\u0393") : QStringLiteral("n!");
    case InsertImaginaryUnit:
        return imaginaryJ ? QStringLiteral("j") : QStringLiteral("i");
    default:
        return QString::fromStdU16String(NameFor(key, notation));
    }
}

KeyPress PressOf(const KeypadKey& key, const KeypadPreferences& preferences) {
    switch (key.action) {
    case InsertName:
        return {NameFor(key, preferences.notation) + u"(", std::nullopt};
    case InsertFactorial:
        return {preferences.gamma ? u"\u0393(" : u"fact(", std::nullopt};
    case InsertImaginaryUnit:
        return {preferences.imaginaryJ ? u"j" : u"i", std::nullopt};
    case InsertText:
        return {key.text, std::nullopt};
    case Command:
        return {{}, key.command};
    }
    return {};
}

std::uint32_t ContextHelpId(const KeypadKey& key, bool gammaShown) {
    if (key.action == InsertFactorial && gammaShown)
        return kGammaHelpId;
    return kContextHelpBase + static_cast<std::uint32_t>(key.id);
}

QString AccessibleNameOf(const KeypadKey& key, bool gammaShown) {
    if (key.action == InsertFactorial && gammaShown)
        return QStringLiteral("Gamma function");
    return QString::fromLatin1(key.accessibleName);
}
