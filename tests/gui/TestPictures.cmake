# The embedded test pictures (gui_test_pictures), made at build time by make_test_pictures.
if(NOT TARGET gui_test_pictures)
  set(dir ${CMAKE_CURRENT_LIST_DIR})
  pkg_check_modules(TEST_PICTURES_CAIRO REQUIRED IMPORTED_TARGET cairo)
  add_executable(make_test_pictures ${dir}/make_test_pictures.cpp ${dir}/TestPictures.cpp)
  target_link_libraries(make_test_pictures PRIVATE pavonis_gui PkgConfig::TEST_PICTURES_CAIRO)

  set(out ${CMAKE_BINARY_DIR}/test_pictures)
  set(names background knob button led lcdfont values track handle stepper)
  set(pngs)
  foreach(name IN LISTS names)
    list(APPEND pngs ${out}/${name}.png)
  endforeach()
  add_custom_command(
    OUTPUT ${pngs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND make_test_pictures ${out}
    DEPENDS make_test_pictures
    COMMENT "Making the test pictures")

  add_library(gui_test_pictures STATIC ${dir}/TestPictures.cpp)
  target_include_directories(gui_test_pictures PUBLIC ${dir})
  target_link_libraries(gui_test_pictures PUBLIC pavonis_gui)
  pavonis_embed_pictures(gui_test_pictures testPictures
    208 ${out}/background.png 126 ${out}/knob.png 128 ${out}/button.png 130 ${out}/led.png
    214 ${out}/lcdfont.png 132 ${out}/values.png 190 ${out}/track.png 191 ${out}/handle.png
    193 ${out}/stepper.png)
endif()
