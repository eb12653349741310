"Maps and places","homework\geography_maps.vhs"
"Earthquakes, volcanoes and rivers","homework\geography_physical.vhs"
"Weather and climate","homework\geography_climate.vhs"
"People, countries and development","homework\geography_people.vhs"
