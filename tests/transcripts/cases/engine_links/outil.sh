#!/bin/sh
echo outil
