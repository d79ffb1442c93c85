# The Chinese locales the tests and Wine run in, for a build with the tests.
# A fresh Debian has none installed, so they are compiled from Debian's
# locale sources (the locales package) into the build folder, which LOCPATH
# then names.
set(ZOLT_LOCALE_PATH ${PROJECT_BINARY_DIR}/locale)
foreach(locale zh_CN zh_TW)
  if(NOT EXISTS ${ZOLT_LOCALE_PATH}/${locale}.UTF-8)
    file(MAKE_DIRECTORY ${ZOLT_LOCALE_PATH})
    execute_process(COMMAND localedef -i ${locale} -f UTF-8 ${ZOLT_LOCALE_PATH}/${locale}.UTF-8
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
# The legacy character sets a Chinese terminal may use.
foreach(charset GB18030 GBK)
  if(NOT EXISTS ${ZOLT_LOCALE_PATH}/zh_CN.${charset})
    execute_process(COMMAND localedef -i zh_CN -f ${charset} ${ZOLT_LOCALE_PATH}/zh_CN.${charset}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
