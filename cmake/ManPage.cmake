cmake_minimum_required(VERSION 3.25)
# One manual page: scdoc's troff from SOURCE into OUTPUT, and OUTPUT.gz beside it (no name or
# time stamp inside, so that the same source always gives the same bytes).
# Run as: cmake -DSCDOC=scdoc -DGZIP=gzip -DSOURCE=x.1.scd -DOUTPUT=x.1 -P ManPage.cmake
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "scdoc could not read ${SOURCE}")
endif()
execute_process(COMMAND ${GZIP} -9 -n -c ${OUTPUT} OUTPUT_FILE ${OUTPUT}.gz RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip could not compress ${OUTPUT}")
endif()
