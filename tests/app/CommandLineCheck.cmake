# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program with ARGUMENTS and no display at all, and checks its exit code and what it printed:
#   cmake -DPROGRAM=<zorvik-slots> -DARGUMENTS=<a;b> -DEXIT=<code> -DOUTPUT=<regex> -DERROR=<regex> -P this
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${PROGRAM} ${ARGUMENTS}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
if(NOT code STREQUAL EXIT)
    message(FATAL_ERROR "exit code ${code}, expected ${EXIT}\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT out MATCHES "${OUTPUT}")
    message(FATAL_ERROR "standard output does not match '${OUTPUT}':\n${out}")
endif()
if(NOT err MATCHES "${ERROR}")
    message(FATAL_ERROR "standard error does not match '${ERROR}':\n${err}")
endif()
