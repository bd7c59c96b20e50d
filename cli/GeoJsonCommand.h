#pragma once
// kolv-cli geojson FILE... -o boreholes.geojson
//
// A map of boreholes: one point feature per borehole of the exchange files
// and delivery folders given, in decimal degrees of longitude and latitude
// (RFC 7946), with its name, elevation, depth, water level, DTD version,
// datum and file as properties, for any GIS or web map.
#include <string>
#include <vector>

namespace kolv {

// arguments: everything after "geojson".
int runGeoJsonCommand(const std::vector<std::string>& arguments);

}  // namespace kolv
