# libjpeg and GoogleTest: Debian's packages natively; for the mingw targets,
# built from Debian's sources (libjpeg-turbo's source package, /usr/src/googletest).

if(CMAKE_CROSSCOMPILING)
  set(LV_JPEG_PREFIX ${CMAKE_BINARY_DIR}/deps/${LV_TRIPLET})
  if(NOT EXISTS ${LV_JPEG_PREFIX}/lib/libjpeg.a)
    message(STATUS "Building libjpeg for ${LV_TRIPLET}")
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env LV_JPEG_CC=${CMAKE_C_COMPILER}
              bash ${CMAKE_SOURCE_DIR}/scripts/build-libjpeg-mingw.sh ${LV_TRIPLET} ${LV_JPEG_PREFIX}
      RESULT_VARIABLE lv_jpeg_result)
    if(NOT lv_jpeg_result EQUAL 0)
      message(FATAL_ERROR "libjpeg for ${LV_TRIPLET} did not build")
    endif()
  endif()
  add_library(JPEG::JPEG STATIC IMPORTED)
  set_target_properties(JPEG::JPEG PROPERTIES
    IMPORTED_LOCATION ${LV_JPEG_PREFIX}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${LV_JPEG_PREFIX}/include)

  if(LV_BUILD_TESTS)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  endif()
else()
  find_package(JPEG REQUIRED)
  if(LV_BUILD_TESTS)
    find_package(GTest REQUIRED)
  endif()
endif()
