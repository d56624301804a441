// The float instantiations of the point and vector templates, compiled here
// once so that they are exported from the library.
#include "tools/TmPoint.h"

namespace TMTOOLS {
namespace Math {

template class CBase2DPoint<float>;
template class CVectBase3D<float>;
template class CBase3DPoint<float>;

}  // namespace Math
}  // namespace TMTOOLS
