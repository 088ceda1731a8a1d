# Installs the device directory's files into a scratch prefix and checks the
# udev rule that lands there.
set(prefix ${BUILD_DIR}/udev-rule-install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(
    COMMAND ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${prefix} -P ${BUILD_DIR}/src/device/cmake_install.cmake
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing the device directory failed: ${result}")
endif()

set(installed ${prefix}/lib/udev/rules.d/70-krv-tm40.rules)
if(NOT EXISTS ${installed})
    message(FATAL_ERROR "the rule is not installed at ${installed}")
endif()

math(EXPR vid "${VENDOR} + 65536" OUTPUT_FORMAT HEXADECIMAL)
string(SUBSTRING "${vid}" 3 4 vid)
string(TOLOWER "${vid}" vid)
file(STRINGS ${installed} rules REGEX "^[^#]")
list(LENGTH rules count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected exactly one rule line, found ${count}")
endif()
foreach(part
        "KERNEL==\"hidraw*\""
        "ATTRS{idVendor}==\"${vid}\""
        "ATTRS{idProduct}==\"0038\""
        "TAG+=\"uaccess\"")
    string(FIND "${rules}" "${part}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the rule lacks ${part}: ${rules}")
    endif()
endforeach()
file(REMOVE_RECURSE ${prefix})
message(STATUS "udev rule installed with vendor ${vid}")
