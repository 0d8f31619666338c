# Warnings are errors in every build; applied per target so third-party code keeps its own flags.
function(vx_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
