#!/bin/sh
# Start or stop the wineserver that the tests under Wine share, so that no
# test pays for a cold start of Wine.
# usage: wineserver.sh start|stop, with the build's WINEPREFIX in the environment.
case $1 in
start)
	# Listing the tests has just run Wine: wait for that server to go
	# (it lingers a few seconds), then start one that stays, and Wine's
	# own services with it. They go on in the background, so they must
	# not hold the output of a test: ctest would wait for it to close.
	wineserver -w &&
		wineserver -p </dev/null >/dev/null 2>&1 &&
		wine wineboot </dev/null >/dev/null 2>&1
	;;
stop)
	wineserver -k
	;;
*)
	echo "usage: wineserver.sh start|stop" >&2
	exit 2
	;;
esac
