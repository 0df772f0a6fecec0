# Common settings for every target of the project: the warning set, and -Werror when asked for (CI).
function(vantor_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VANTOR_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
