# OpenCV from the distribution's packages, only the three modules the
# reading of photos needs: core, imgproc (finding faces) and imgcodecs
# (image files). Each becomes an interface target rotalo_opencv_<module>.
find_path(ROTALO_OPENCV_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4 REQUIRED)
set(dependencies "")
foreach(module core imgproc imgcodecs)
  find_library(ROTALO_OPENCV_${module}_LIBRARY opencv_${module} REQUIRED)
  add_library(rotalo_opencv_${module} INTERFACE)
  target_include_directories(rotalo_opencv_${module} SYSTEM INTERFACE ${ROTALO_OPENCV_INCLUDE_DIR})
  target_link_libraries(rotalo_opencv_${module} INTERFACE ${ROTALO_OPENCV_${module}_LIBRARY} ${dependencies})
  list(APPEND dependencies rotalo_opencv_${module})
endforeach()
unset(dependencies)
