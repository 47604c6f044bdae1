# Runs the host program once and checks its exit code and what it printed.
#   -DHOST=<program> -DARGS=<arguments separated by |> -DEXIT=<expected exit code>
#   -DOUT1..OUT6=<regular expressions that stdout must match> -DERR1..ERR3=<the same for stderr>
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND "${HOST}" ${arguments}
                RESULT_VARIABLE exitCode OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(failures "")
if(NOT "${exitCode}" STREQUAL "${EXIT}")
  string(APPEND failures "exit code ${exitCode}, expected ${EXIT}\n")
endif()
foreach(n RANGE 1 6)
  if(DEFINED OUT${n} AND NOT out MATCHES "${OUT${n}}")
    string(APPEND failures "stdout does not match: ${OUT${n}}\n")
  endif()
endforeach()
foreach(n RANGE 1 3)
  if(DEFINED ERR${n} AND NOT err MATCHES "${ERR${n}}")
    string(APPEND failures "stderr does not match: ${ERR${n}}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}--- stdout ---\n${out}--- stderr ---\n${err}")
endif()
