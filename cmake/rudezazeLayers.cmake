# The library's folders, which are its layers, lowest first (the README's Layout section;
# tools/checkLayers.sh enforces that no include points up this order). Every folder
# contributes all of its sources, so a new class file needs no edit to any build file.
set(RUDEZAZE_SOURCE_DIRS platform memman base geom core mzcom proxy docproxy
    draw2d model3d sketchdiv proxy3d jobs dlliface library)
