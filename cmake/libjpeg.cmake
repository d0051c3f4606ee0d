# tq::libjpeg: the system's libjpeg(-turbo) natively; for the MinGW targets the
# static library that scripts/setup.sh builds, found through TQ_LIBJPEG_ROOT.
if(TARGET tq::libjpeg)
  return()
endif()

if(WIN32)
  if(NOT TQ_LIBJPEG_ROOT)
    message(FATAL_ERROR "TQ_LIBJPEG_ROOT is not set: run scripts/setup.sh and use a win preset")
  endif()
  set(tq_libjpeg_archive ${TQ_LIBJPEG_ROOT}/lib/libjpeg.a)
  if(NOT EXISTS ${tq_libjpeg_archive} OR NOT EXISTS ${TQ_LIBJPEG_ROOT}/include/jpeglib.h)
    message(FATAL_ERROR "libjpeg not found under ${TQ_LIBJPEG_ROOT}: run scripts/setup.sh")
  endif()
  add_library(tq::libjpeg STATIC IMPORTED GLOBAL)
  set_target_properties(tq::libjpeg PROPERTIES
    IMPORTED_LOCATION ${tq_libjpeg_archive}
    INTERFACE_INCLUDE_DIRECTORIES ${TQ_LIBJPEG_ROOT}/include)
else()
  find_package(JPEG REQUIRED)
  add_library(tq::libjpeg INTERFACE IMPORTED GLOBAL)
  target_link_libraries(tq::libjpeg INTERFACE JPEG::JPEG)
endif()
