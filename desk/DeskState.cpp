#include "DeskState.h"

namespace
{
DeskState g_desk;
}

DeskState& Desk()
{
    return g_desk;
}

void ResetDeskState()
{
    g_desk = DeskState{};
}
