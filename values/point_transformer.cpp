#include "values/point_transformer.h"

#include "engine/similarity.h"

namespace tessara {

void PointTransformer::GeographicToCartesian()
{
    if (inputIsCartesian)
        return;
    inputCartesian = tessara::GeographicToCartesian(inputGeographic, ellipsoid);
}

void PointTransformer::Transform(int forward)
{
    outputCartesian = applySimilarity(parametersAt(parameters, epoch), inputCartesian, forward != 0);
}

void PointTransformer::CartesianToGeographic()
{
    outputGeographic = tessara::CartesianToGeographic(outputCartesian, ellipsoid);
}

int PointTransformer::CheckGeographicRange()
{
    return tessara::CheckGeographicRange(outputGeographic, messages);
}

}  // namespace tessara
