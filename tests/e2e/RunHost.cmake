# Runs the host program once and checks its exit code, what it printed and, if asked, what it wrote.
#   -DHOST=<program> -DARGS=<arguments separated by |> -DEXIT=<expected exit code>
#   -DOUT1..OUT9=<regular expressions that stdout must match> -DERR1..ERR9=<the same for stderr>
#   -DNOOUT1..NOOUT3, -DNOERR1..NOERR3=<regular expressions that must not match>
#   -DWORKDIR=<folder>: emptied before the run and used as the working directory
#   -DMAKEDIR=<folder inside WORKDIR>: made before the run
#   -DCWD=<folder>: the working directory, left as it is
#   -DSETUP=<command and arguments separated by |>: run in WORKDIR before the run, must exit with 0
#   -DCHECK=<command and arguments separated by |>: run in WORKDIR afterwards, must exit with 0
#   -DABSENT=<file>: must not exist after the run
string(REPLACE "|" ";" arguments "${ARGS}")
set(workdir "${CMAKE_CURRENT_BINARY_DIR}")
if(DEFINED WORKDIR)
  file(REMOVE_RECURSE "${WORKDIR}")
  file(MAKE_DIRECTORY "${WORKDIR}")
  set(workdir "${WORKDIR}")
  if(DEFINED MAKEDIR)
    file(MAKE_DIRECTORY "${WORKDIR}/${MAKEDIR}")
  endif()
elseif(DEFINED CWD)
  set(workdir "${CWD}")
endif()
if(DEFINED SETUP)
  string(REPLACE "|" ";" setup "${SETUP}")
  execute_process(COMMAND ${setup} WORKING_DIRECTORY "${workdir}" RESULT_VARIABLE setupCode)
  if(NOT setupCode EQUAL 0)
    message(FATAL_ERROR "setup failed (${setupCode})")
  endif()
endif()
execute_process(COMMAND "${HOST}" ${arguments} WORKING_DIRECTORY "${workdir}"
                RESULT_VARIABLE exitCode OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(failures "")
if(NOT "${exitCode}" STREQUAL "${EXIT}")
  string(APPEND failures "exit code ${exitCode}, expected ${EXIT}\n")
endif()
foreach(n RANGE 1 9)
  if(DEFINED OUT${n} AND NOT out MATCHES "${OUT${n}}")
    string(APPEND failures "stdout does not match: ${OUT${n}}\n")
  endif()
  if(DEFINED ERR${n} AND NOT err MATCHES "${ERR${n}}")
    string(APPEND failures "stderr does not match: ${ERR${n}}\n")
  endif()
  if(DEFINED NOOUT${n} AND out MATCHES "${NOOUT${n}}")
    string(APPEND failures "stdout matches what it must not: ${NOOUT${n}}\n")
  endif()
  if(DEFINED NOERR${n} AND err MATCHES "${NOERR${n}}")
    string(APPEND failures "stderr matches what it must not: ${NOERR${n}}\n")
  endif()
endforeach()
# A sanitizer's report fails the test whatever the exit code (AddressSanitizer exits with 1 too).
if(err MATCHES "(Address|Leak|UndefinedBehavior)Sanitizer|: runtime error: ")
  string(APPEND failures "a sanitizer reported an error\n")
endif()
if(DEFINED ABSENT AND EXISTS "${ABSENT}")
  string(APPEND failures "${ABSENT} exists\n")
endif()
if(DEFINED CHECK AND NOT failures)
  string(REPLACE "|" ";" check "${CHECK}")
  execute_process(COMMAND ${check} WORKING_DIRECTORY "${workdir}" RESULT_VARIABLE checkCode
                  OUTPUT_VARIABLE checkOut ERROR_VARIABLE checkErr)
  if(NOT checkCode EQUAL 0)
    string(APPEND failures "check failed (${checkCode}):\n${checkOut}${checkErr}")
  endif()
endif()
if(failures)
  message(FATAL_ERROR "${failures}--- stdout ---\n${out}--- stderr ---\n${err}")
endif()
