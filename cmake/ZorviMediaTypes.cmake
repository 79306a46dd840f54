# The media types the open dialog's video and audio filters name, as the
# desktop file offers them to file managers and the bus service reports them.
set(ZORVI_MIME_TYPES
  video/x-msvideo video/x-ogm+ogg video/mpeg video/x-matroska video/x-ms-wmv video/x-ms-asf
  video/quicktime video/mp4 video/x-m4v application/vnd.rn-realmedia video/x-flv video/dv
  audio/x-ms-asx audio/mpeg audio/x-wav audio/ogg video/ogg audio/x-ms-wma audio/mp2 audio/ac3
  audio/mp4 audio/midi audio/x-ape audio/flac)
# What a URL handed to the player may start with.
set(ZORVI_URI_SCHEMES file http https ftp mms rtsp dvd)
