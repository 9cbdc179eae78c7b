#include "document/OverlayParameters.h"

namespace quotechart {

OverlayParameters &overlayParameters()
{
    thread_local OverlayParameters parameters;
    return parameters;
}

}   // namespace quotechart
