# OpenCV's detection modules alone (Debian's -dev packages of core, imgproc and objdetect):
# the whole-library configuration file would pull in every module.
find_path(OPENCV_INCLUDE_DIR opencv2/objdetect.hpp PATH_SUFFIXES opencv4 REQUIRED)
add_library(OpenCV::Detection INTERFACE IMPORTED)
foreach(module core imgproc objdetect)
  find_library(OPENCV_${module}_LIBRARY opencv_${module} REQUIRED)
  target_link_libraries(OpenCV::Detection INTERFACE ${OPENCV_${module}_LIBRARY})
endforeach()
# The headers are third-party: their warnings are not ours.
target_include_directories(OpenCV::Detection SYSTEM INTERFACE ${OPENCV_INCLUDE_DIR})
