# One place for the warning flags every target of ours is built with.
function(numoria_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(NUMORIA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
