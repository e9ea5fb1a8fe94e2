#include "ZRRequestPart.h"

int CZRRequestPart::GetInt(int id, int fallback) const
{
    int value = fallback;
    return GetValue(id, &value) ? value : fallback;
}
