# The Windows packages: Soravane-<version>-setup.exe (CPack's NSIS generator with our own script,
# packaging/NSIS.template.in) and Soravane-<version>-win64.zip (the three files and a read-me),
# both in build/windows/packages/, made as part of the build.
install(TARGETS saver_program scene_program RUNTIME DESTINATION . COMPONENT programs)
install(FILES ${PROJECT_SOURCE_DIR}/data/Soravane.data DESTINATION . COMPONENT programs)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/read-me.txt DESTINATION . COMPONENT readme)

set(CPACK_PACKAGE_NAME Soravane)
set(CPACK_PACKAGE_VENDOR Soravane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Soravane 3D screen saver")
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_OUTPUT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
# CPack looks for NSIS.template.in on the module path first.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_NSIS_COMPONENT_INSTALL ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(SORAVANE_ICON ${PROJECT_SOURCE_DIR}/saver/resources/soravane.ico)
# Each generator's own file name and contents: the setup holds only the programs.
configure_file(${PROJECT_SOURCE_DIR}/packaging/per_generator.cmake.in
               ${CMAKE_BINARY_DIR}/packaging_per_generator.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging_per_generator.cmake)
include(CPack)

set(SORAVANE_SETUP ${CPACK_PACKAGE_DIRECTORY}/Soravane-${PROJECT_VERSION}-setup.exe)
set(SORAVANE_ZIP ${CPACK_PACKAGE_DIRECTORY}/Soravane-${PROJECT_VERSION}-win64.zip)
add_custom_command(
    OUTPUT ${SORAVANE_SETUP} ${SORAVANE_ZIP}
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -C Release
            > ${CMAKE_BINARY_DIR}/packages.log
    DEPENDS saver_program scene_program ${PROJECT_SOURCE_DIR}/data/Soravane.data
            ${PROJECT_SOURCE_DIR}/packaging/NSIS.template.in
            ${PROJECT_SOURCE_DIR}/packaging/read-me.txt ${SORAVANE_ICON}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Packaging the setup and the zip")
add_custom_target(soravane_packages ALL DEPENDS ${SORAVANE_SETUP} ${SORAVANE_ZIP})
