#include "values/point_transformer.h"

namespace tessara {

void PointTransformer::GeographicToCartesian()
{
    if (inputIsCartesian)
        return;
    inputCartesian = tessara::GeographicToCartesian(inputGeographic, ellipsoid);
}

void PointTransformer::Transform(Direction direction)
{
    outputCartesian = applySimilarity(parametersAt(parameters, epoch), inputCartesian, direction);
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
