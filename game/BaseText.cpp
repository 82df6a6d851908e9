#include "game/BaseText.h"

namespace basetext {

const char* LabelOf(NumberBase base) {
    switch (base) {
    case NumberBase::Binary:
        return "Binary";
    case NumberBase::Decimal:
        return "Decimal";
    case NumberBase::Hexadecimal:
        return "Hexadecimal";
    }
    return "";
}

const char* RadixOf(NumberBase base) {
    switch (base) {
    case NumberBase::Binary:
        return "2";
    case NumberBase::Decimal:
        return "10";
    case NumberBase::Hexadecimal:
        return "16";
    }
    return "";
}

int RadixValueOf(NumberBase base) {
    switch (base) {
    case NumberBase::Binary:
        return 2;
    case NumberBase::Decimal:
        return 10;
    case NumberBase::Hexadecimal:
        return 16;
    }
    return 10;
}

} // namespace basetext
