#include "game/BaseText.h"

namespace dojo {

namespace basetext {

const BaseInfo& InfoOf(NumberBase base) {
    // Indexed by the enumeration's values: Binary 0, Decimal 1, Hexadecimal 2.
    static const BaseInfo infos[] = {
        {"Binary", "2", 2, 12},
        {"Decimal", "10", 10, 4},
        {"Hexadecimal", "16", 16, 3},
    };
    return infos[static_cast<int>(base)];
}

} // namespace basetext

} // namespace dojo
